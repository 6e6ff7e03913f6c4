#include "printouts/ReportPreview.h"
#include "printouts/SystemPrintService.h"
#include "printouts/listprintout.h"
#include "printouts/pagemodel.h"
#include "printouts/pagepainter.h"
#include "support/testapp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPageRanges>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

class TestReportPreview : public QObject
{
    Q_OBJECT
private slots:
    void previewOffersOnlyItsCommands();
    void previewShowsEveryPage();
    void printerGetsPaperAndPages();
    void systemServiceExists();
    void sequenceFollowsRangeAndCopies_data();
    void sequenceFollowsRangeAndCopies();
    void printerPrintsTheChosenRange();
    void fileGetsTheCopies();
    void failedPrintWarns();
    void longPrintShowsProgressAndStops();
};

namespace
{
PageModel listOf(int lines)
{
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << QStringLiteral("riga %1").arg(i);
    return listprint::layoutList(QStringLiteral("T"), text, QDate(2024, 6, 15));
}

QPrinter *pdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return &printer;
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages: +(\\d+)"))
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

void TestReportPreview::previewOffersOnlyItsCommands()
{
    const PageModel model =
        listprint::layoutList(QStringLiteral("T"), {QStringLiteral("a")}, QDate(2024, 6, 15));
    FakeMessages messages;
    ReportPreview w(model, QStringLiteral("Candidato ed esame"), messages);
    QCOMPARE(w.windowTitle(), QStringLiteral("Candidato ed esame"));
    QVERIFY(w.isModal());
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QStringList actions;
    for (QAction *a : getChild<QToolBar>(&w, QStringLiteral("barAnteprima"))->actions())
        if (!a->isSeparator())
            actions << a->objectName();
    QCOMPARE(actions, (QStringList{"actStampa", "actZoomPiu", "actZoomMeno", "actZoom100", "actPagina",
                                   "actLarghezza", "actSchermoIntero", "actChiudi"}));
    QCOMPARE(w.preview()->zoomFactor(), 1.0);

    w.show();
    getChild<QAction>(&w, QStringLiteral("actZoomPiu"))->trigger();
    QVERIFY(w.preview()->zoomFactor() > 1.0);
    getChild<QAction>(&w, QStringLiteral("actSchermoIntero"))->trigger();
    QVERIFY(w.windowState() & Qt::WindowFullScreen);
    getChild<QAction>(&w, QStringLiteral("actSchermoIntero"))->trigger();
    QVERIFY(!(w.windowState() & Qt::WindowFullScreen));
    getChild<QAction>(&w, QStringLiteral("actChiudi"))->trigger();
    QVERIFY(!w.isVisible());
}

void TestReportPreview::previewShowsEveryPage()
{
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("riga %1").arg(i);
    const PageModel model = listprint::layoutList(QStringLiteral("T"), lines, QDate(2024, 6, 15));
    QCOMPARE(model.pages.size(), 3);
    FakeMessages messages;
    ReportPreview w(model, QStringLiteral("Prova"), messages);
    w.show();
    w.preview()->updatePreview();
    QCOMPARE(w.preview()->pageCount(), 3);
    QCOMPARE(w.preview()->orientation(), QPageLayout::Landscape);
}

void TestReportPreview::printerGetsPaperAndPages()
{
    const PageModel model = listprint::layoutList(QStringLiteral("Graduatoria di merito Prova"),
                                                  {QStringLiteral("1      ROSSI")}, QDate(2024, 6, 15));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("stampa.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QCOMPARE(printPageModel(model, QStringLiteral("Graduatoria di merito"), printer), PrintOutcome::Printed);
    QCOMPARE(printer.docName(), QStringLiteral("Graduatoria di merito"));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Graduatoria di merito Prova")), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("1 +ROSSI"))), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/06/2024")));
}

void TestReportPreview::systemServiceExists()
{
    FakeMessages messages;
    QVERIFY(makeSystemPrintService(messages) != nullptr);
}

void TestReportPreview::sequenceFollowsRangeAndCopies_data()
{
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QString>("ranges");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<bool>("lastFirst");
    QTest::addColumn<QList<qsizetype>>("sequence");
    using L = QList<qsizetype>;
    QTest::newRow("all pages") << 3 << "" << 1 << true << false << L{0, 1, 2};
    QTest::newRow("range 2-2") << 1800 << "2-2" << 1 << true << false << L{1};
    QTest::newRow("two ranges") << 5 << "1,4-5" << 1 << true << false << L{0, 3, 4};
    QTest::newRow("beyond the end") << 3 << "3-9" << 1 << true << false << L{2};
    QTest::newRow("only beyond the end") << 3 << "7-9" << 1 << true << false << L{};
    QTest::newRow("collated copies") << 2 << "" << 2 << true << false << L{0, 1, 0, 1};
    QTest::newRow("uncollated copies") << 2 << "" << 2 << false << false << L{0, 0, 1, 1};
    QTest::newRow("reverse") << 3 << "" << 1 << true << true << L{2, 1, 0};
    QTest::newRow("reverse range, copies") << 5 << "2-3" << 2 << true << true << L{2, 1, 2, 1};
    QTest::newRow("no copies asked") << 1 << "" << 0 << true << false << L{0};
}

void TestReportPreview::sequenceFollowsRangeAndCopies()
{
    QFETCH(int, pageCount);
    QFETCH(QString, ranges);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(bool, lastFirst);
    QFETCH(QList<qsizetype>, sequence);
    QCOMPARE(report::pageSequence(pageCount, QPageRanges::fromString(ranges), copies, collate, lastFirst),
             sequence);
}

void TestReportPreview::printerPrintsTheChosenRange()
{
    const PageModel model = listOf(120);
    QCOMPARE(model.pages.size(), 3);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pagina2.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, pdf);
    // As the print dialog leaves it for "pagine 2-2".
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    QCOMPARE(printPageModel(model, QStringLiteral("Graduatoria di merito"), printer), PrintOutcome::Printed);
    QCOMPARE(pdfPages(pdf), 1);
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("riga 60")) && !text.contains(QStringLiteral("riga 1\n")) &&
                 !text.contains(QStringLiteral("riga 120")),
             qPrintable(text));
}

void TestReportPreview::fileGetsTheCopies()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("copie.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, pdf);
    printer.setCopyCount(3);
    QCOMPARE(printPageModel(listOf(1), QStringLiteral("Prova"), printer), PrintOutcome::Printed);
    QCOMPARE(pdfPages(pdf), 3);
}

void TestReportPreview::failedPrintWarns()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, dir.filePath(QStringLiteral("manca/stampa.pdf")));
    FakeMessages messages;
    QCOMPARE(printWithProgress(listOf(3), QStringLiteral("Prova"), printer, messages, nullptr),
             PrintOutcome::Failed);
    QCOMPARE(messages.take(), (QList<FakeMessages::Shown>{
                                  {Messages::Kind::Warning,
                                   QStringLiteral("Attenzione: la stampa non è stata eseguita. Verificare la "
                                                  "stampante selezionata e riprovare.")}}));
}

void TestReportPreview::longPrintShowsProgressAndStops()
{
    QTemporaryDir dir;
    FakeMessages messages;
    QStringList labels;
    QTimer watch;
    bool cancelled = false;
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *progress = qobject_cast<QProgressDialog *>(w);
            if (!progress || !progress->isVisible())
                continue;
            const QString label = progress->findChild<QLabel *>()->text();
            if (labels.isEmpty() || labels.last() != label)
                labels << label;
            if (label.startsWith(QStringLiteral("Stampa in corso: pagina 3 di")) && !cancelled) {
                cancelled = true;
                QPushButton *annulla = progress->findChild<QPushButton *>();
                QCOMPARE(annulla->text(), QStringLiteral("Annulla"));
                annulla->click();
            }
        }
    });
    watch.start(0);

    // Ten sheets print without a progress window.
    QPrinter ten(QPrinter::HighResolution);
    const PageModel tenPages = listOf(400);
    QVERIFY(tenPages.pages.size() <= 10);
    pdfPrinter(ten, dir.filePath(QStringLiteral("dieci.pdf")));
    QCOMPARE(printWithProgress(tenPages, QStringLiteral("Prova"), ten, messages, nullptr),
             PrintOutcome::Printed);
    QVERIFY2(labels.isEmpty(), qPrintable(labels.join(u'|')));

    const PageModel many = listOf(1000);
    QVERIFY(many.pages.size() > 10);
    const int n = int(many.pages.size());
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, dir.filePath(QStringLiteral("lunga.pdf")));
    QCOMPARE(printWithProgress(many, QStringLiteral("Prova"), printer, messages, nullptr),
             PrintOutcome::Cancelled);
    QVERIFY(cancelled);
    QVERIFY2(labels.size() >= 1 && labels.first() == QStringLiteral("Stampa in corso: pagina 1 di %1").arg(n),
             qPrintable(labels.join(u'|')));
    QVERIFY2(labels.last() == QStringLiteral("Stampa in corso: pagina 3 di %1").arg(n),
             qPrintable(labels.join(u'|')));
    QVERIFY(messages.take().isEmpty());
    // The painting stopped at the third sheet.
    QVERIFY(pdfPages(dir.filePath(QStringLiteral("lunga.pdf"))) < 3);
}

SINTAREL_TEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
