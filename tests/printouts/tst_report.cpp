#include "printouts/pagemodel.h"
#include "printouts/pagepainter.h"
#include "support/testapp.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

namespace
{
QString pdfInfo(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A page painted on an image at 1 dot per 0.1 mm.
QImage paintOnImage(const Page &page, const QSizeF &paperMm)
{
    QImage image((paperMm * 10).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    report::paintPage(painter, page, 10, 10);
    return image;
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void paperSize_data();
    void paperSize();
    void pdfCarriesPagesAndTexts();
    void clippedTextIsCutAtItsBox();
    void wrappedTextStaysInItsBox();
    void rectanglesAndLinesAreDrawnWhereLaidOut();
    void unwritablePdfFails();
};

void TestReport::paperSize_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("portrait") << int(QPageLayout::Portrait) << QSizeF(210, 297);
    QTest::newRow("landscape") << int(QPageLayout::Landscape) << QSizeF(297, 210);
}

void TestReport::paperSize()
{
    QFETCH(int, orientation);
    QFETCH(QSizeF, size);
    PageModel model;
    model.orientation = QPageLayout::Orientation(orientation);
    QCOMPARE(model.paperSizeMm(), size);
}

void TestReport::pdfCarriesPagesAndTexts()
{
    PageModel model;
    model.orientation = QPageLayout::Landscape;
    model.addPage().items.append(PageItem::textBox(QStringLiteral("a"), QRectF(20, 20, 200, 6),
                                                   QStringLiteral("Prima pagina [DATE] è"),
                                                   PageFont{QStringLiteral("Verdana"), 10, true}));
    model.addPage().items.append(PageItem::textBox(QStringLiteral("b"), QRectF(20, 20, 200, 6),
                                                   QStringLiteral("Seconda pagina"),
                                                   PageFont{QStringLiteral("Courier New"), 8}));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QVERIFY(report::renderPdf(model, pdf, QStringLiteral("Prova")));
    const QString info = pdfInfo(pdf);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
    const QString text = FakePrintService::pdfText(pdf);
    const QStringList pages = text.split(u'\f');
    QVERIFY(pages.size() >= 2);
    // Texts print literally: no expression is evaluated.
    QVERIFY2(pages[0].contains(QStringLiteral("Prima pagina [DATE] è")), qPrintable(text));
    QVERIFY2(pages[1].contains(QStringLiteral("Seconda pagina")), qPrintable(text));
    QVERIFY(!pages[0].contains(QStringLiteral("Seconda")));
}

void TestReport::clippedTextIsCutAtItsBox()
{
    PageModel model;
    model.orientation = QPageLayout::Landscape;
    // About 40 characters fit 70 mm at 8 pt; the end lies well beyond the box.
    model.addPage().items.append(
        PageItem::textBox(QStringLiteral("riga"), QRectF(20, 20, 70, 3.4),
                          QStringLiteral("INIZIO") + QString(60, u'x') + QStringLiteral("FINE"),
                          PageFont{QStringLiteral("Courier New"), 8}));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("clip.pdf"));
    QVERIFY(report::renderPdf(model, pdf));
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("INIZIO")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("FINE")), qPrintable(text));

    // Nothing is drawn right of the box on the page either.
    const QImage image = paintOnImage(model.pages[0], model.paperSizeMm());
    bool inkInside = false, inkOutside = false;
    for (int y = 190; y < 240; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                (x <= 900 ? inkInside : inkOutside) = true;
    QVERIFY(inkInside);
    QVERIFY(!inkOutside);
}

void TestReport::wrappedTextStaysInItsBox()
{
    PageModel model;
    QString words;
    for (int i = 0; i < 200; ++i)
        words += QStringLiteral("parola%1 ").arg(i);
    model.addPage().items.append(PageItem::textBox(QStringLiteral("memo"), QRectF(20, 20, 80, 30), words,
                                                   PageFont{QStringLiteral("Arial"), 8},
                                                   Qt::AlignLeft | Qt::AlignTop, PageItem::Flow::Wrap));
    const QImage image = paintOnImage(model.pages[0], model.paperSizeMm());
    int lowest = 0, rightmost = 0, rowsWithInk = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool row = false;
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                lowest = qMax(lowest, y);
                rightmost = qMax(rightmost, x);
                row = true;
            }
        rowsWithInk += row;
    }
    QVERIFY2(lowest < 500 && rightmost < 1000,
             qPrintable(QStringLiteral("%1 %2").arg(lowest).arg(rightmost)));
    // Several lines were drawn, down to the box's lower edge.
    QVERIFY(lowest > 460);
    QVERIFY(rowsWithInk > 150);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("wrap.pdf"));
    QVERIFY(report::renderPdf(model, pdf));
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("parola0")) && text.contains(QStringLiteral("parola10")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("parola199")));
}

void TestReport::rectanglesAndLinesAreDrawnWhereLaidOut()
{
    PageModel model;
    Page &page = model.addPage();
    page.items.append(
        PageItem::rectangle(QStringLiteral("fondo"), QRectF(10, 10, 50, 20), QColor(0x64, 0x95, 0xED)));
    page.items.append(PageItem::line(QStringLiteral("riga"), QPointF(10, 100), QPointF(200, 100)));
    page.items.append(
        PageItem::rectangle(QStringLiteral("cornice"), QRectF(100, 150, 40, 40), QColor(), Qt::black, 0.5));
    const QImage image = paintOnImage(page, model.paperSizeMm());
    QCOMPARE(QColor(image.pixel(300, 200)), QColor(0x64, 0x95, 0xED));
    QCOMPARE(QColor(image.pixel(650, 200)), QColor(Qt::white));
    QCOMPARE(qGray(image.pixel(1000, 1000)), 0);
    QCOMPARE(qGray(image.pixel(1000, 1020)), 255);
    QCOMPARE(qGray(image.pixel(1000, 1500)), 0);   // frame top
    QCOMPARE(qGray(image.pixel(1200, 1700)), 255); // not filled
}

void TestReport::unwritablePdfFails()
{
    PageModel model;
    model.addPage();
    QVERIFY(!report::renderPdf(model, QStringLiteral("/nonexistent-folder/x.pdf")));
}

SINTAREL_TEST_MAIN(TestReport)
#include "tst_report.moc"
