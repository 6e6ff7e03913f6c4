#include "printouts/ListPrint.h"
#include "printouts/listprintout.h"
#include "support/testapp.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace
{
QStringList numbered(int n, const QString &prefix = QStringLiteral("RIGA"))
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines.append(QStringLiteral("%1 %2").arg(prefix).arg(i, 5, 10, QLatin1Char('0')));
    return lines;
}

const QDate kDate(2024, 6, 15);
} // namespace

class TestListPrint : public QObject
{
    Q_OBJECT
private slots:
    void closingLines();
    void rankingOfFortyPrintsFortyTwoLines();
    void geometryOfFirstPage();
    void longListContinuesWithoutTitle_data();
    void longListContinuesWithoutTitle();
    void emptyListPrintsTitleAndDateBar();
    void textsPrintLiterally();
    void printsThroughServiceWithTodaysDate();
    void cancelledDialogPrintsNothing();
    void pdfSmoke();
};

void TestListPrint::closingLines()
{
    QCOMPARE(listprint::separatorLine(), QStringLiteral("- - - - - - - - - - - - - - - -"));
    QCOMPARE(listprint::separatorLine().size(), 31);
    QCOMPARE(listprint::totalLine(QStringLiteral(" 40 ")), QStringLiteral("TOTALE CANDIDATI:           40"));
    QCOMPARE(listprint::dateBarText(kDate), QStringLiteral("Stampa eseguita in data 15/06/2024"));
}

void TestListPrint::rankingOfFortyPrintsFortyTwoLines()
{
    const QStringList lines = numbered(40);
    const PageModel model =
        listprint::layoutList(QStringLiteral("Graduatoria di merito Prova"),
                              listprint::rankingLines(lines, QStringLiteral("40")), kDate);
    const QStringList printed = model.textsOf(QStringLiteral("txtRiepilogo"));
    QCOMPARE(printed.size(), 42);
    QCOMPARE(printed.mid(0, 40), lines);
    QCOMPARE(printed[40], QStringLiteral("- - - - - - - - - - - - - - - -"));
    QCOMPARE(printed[41], QStringLiteral("TOTALE CANDIDATI:           40"));
    QCOMPARE(model.pages.size(), 1);
}

void TestListPrint::geometryOfFirstPage()
{
    const PageModel model = listprint::layoutList(QStringLiteral("Titolo"), numbered(3), kDate);
    QCOMPARE(model.orientation, QPageLayout::Landscape);
    QCOMPARE(model.paper, QPageSize::A4);
    QCOMPARE(model.paperSizeMm(), QSizeF(297, 210));

    const QList<PageItem> title = model.itemsNamed(QStringLiteral("txtTitolo"));
    QCOMPARE(title.size(), 1);
    QCOMPARE(title[0].rect, QRectF(12, 11, 273, 5));
    QCOMPARE(title[0].text, QStringLiteral("Titolo"));
    QCOMPARE(title[0].font, (PageFont{QStringLiteral("Verdana"), 9, true}));
    QCOMPARE(title[0].color, QColor(Qt::white));
    QCOMPARE(title[0].fill, QColor(0x70, 0x80, 0x90));
    QVERIFY(title[0].alignment & Qt::AlignHCenter);

    const QList<PageItem> lines = model.itemsNamed(QStringLiteral("txtRiepilogo"));
    QCOMPARE(lines.size(), 3);
    const qreal pitch = 12.822 * 25.4 / 96;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(lines[i].rect.left(), 13.0);
        QCOMPARE(lines[i].rect.width(), 273.0);
        QVERIFY(qAbs(lines[i].rect.top() - (18 + i * pitch)) < 1e-9);
        QCOMPARE(lines[i].font, (PageFont{QStringLiteral("Courier New"), 8, false}));
        QCOMPARE(lines[i].flow, PageItem::Flow::Clip);
        QVERIFY(!lines[i].fill.isValid());
    }

    const QList<PageItem> footer = model.itemsNamed(QStringLiteral("txtPagina"));
    QCOMPARE(footer.size(), 1);
    // Right after the data band: its lines plus 10 pixels, then 2 mm into the footer.
    QVERIFY(qAbs(footer[0].rect.top() - (18 + 3 * pitch + 10 * 25.4 / 96 + 2)) < 1e-9);
    QCOMPARE(footer[0].rect.left(), 13.0);
    QCOMPARE(footer[0].rect.size(), QSizeF(272, 5));
    QCOMPARE(footer[0].font, (PageFont{QStringLiteral("Verdana"), 8, true}));
    QCOMPARE(footer[0].fill, QColor(0x70, 0x80, 0x90));
}

void TestListPrint::longListContinuesWithoutTitle_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pages");
    // 53 lines fit under the title, 56 on a page of their own.
    QTest::newRow("one page, footer fits") << 50 << 1;
    QTest::newRow("page full, footer moves on") << 53 << 2;
    QTest::newRow("one line over") << 54 << 2;
    QTest::newRow("three pages") << 53 + 56 + 10 << 3;
    QTest::newRow("many pages") << 1000 << 18;
}

void TestListPrint::longListContinuesWithoutTitle()
{
    QFETCH(int, count);
    QFETCH(int, pages);
    const QStringList lines = numbered(count);
    const PageModel model = listprint::layoutList(QStringLiteral("Elenco"), lines, kDate);
    QCOMPARE(model.pages.size(), pages);
    QCOMPARE(model.textsOf(QStringLiteral("txtRiepilogo")), lines);
    QCOMPARE(model.itemsNamed(0, QStringLiteral("txtTitolo")).size(), 1);
    QCOMPARE(model.itemsNamed(QStringLiteral("txtTitolo")).size(), 1);
    QCOMPARE(model.itemsNamed(QStringLiteral("txtPagina")).size(), 1);
    QCOMPARE(model.itemsNamed(pages - 1, QStringLiteral("txtPagina")).size(), 1);

    qreal lastBottom = 0;
    for (int p = 0; p < pages; ++p) {
        const QList<PageItem> onPage = model.itemsNamed(p, QStringLiteral("txtRiepilogo"));
        for (const PageItem &item : onPage) {
            QVERIFY(item.rect.top() >= 10 - 1e-9);
            QVERIFY2(item.rect.bottom() <= 200 + 1e-6, qPrintable(QString::number(item.rect.bottom())));
        }
        if (p > 0 && !onPage.isEmpty())
            QCOMPARE(onPage.first().rect.top(), 10.0); // straight on at the top margin
        if (!onPage.isEmpty())
            lastBottom = onPage.last().rect.bottom();
        // Pages are filled: the next line would not have fitted.
        if (p + 1 < pages && !onPage.isEmpty() &&
            !model.itemsNamed(p + 1, QStringLiteral("txtRiepilogo")).isEmpty())
            QVERIFY(onPage.last().rect.bottom() + 12.822 * 25.4 / 96 > 200);
    }
    const PageItem footer = model.itemsNamed(QStringLiteral("txtPagina")).first();
    QVERIFY(footer.rect.bottom() <= 200);
    if (!model.itemsNamed(pages - 1, QStringLiteral("txtRiepilogo")).isEmpty())
        QVERIFY(footer.rect.top() > lastBottom);
    else
        QCOMPARE(footer.rect.top(), 12.0); // alone on the last page
}

void TestListPrint::emptyListPrintsTitleAndDateBar()
{
    const PageModel model = listprint::layoutList(QStringLiteral("Riepilogo candidati esaminati"), {}, kDate);
    QCOMPARE(model.pages.size(), 1);
    QCOMPARE(model.pages[0].items.size(), 2);
    QCOMPARE(model.textsOf(QStringLiteral("txtTitolo")),
             QStringList{QStringLiteral("Riepilogo candidati esaminati")});
    QCOMPARE(model.textsOf(QStringLiteral("txtPagina")),
             QStringList{QStringLiteral("Stampa eseguita in data 15/06/2024")});
    QVERIFY(qAbs(model.itemsNamed(QStringLiteral("txtPagina"))[0].rect.top() - (18 + 10 * 25.4 / 96 + 2)) <
            1e-9);
}

void TestListPrint::textsPrintLiterally()
{
    const QStringList lines{QStringLiteral("  ROSSI [DATE] è  "), QString(), QStringLiteral("x")};
    const PageModel model = listprint::layoutList(QStringLiteral(" [Titolo] "), lines, kDate);
    QCOMPARE(model.textsOf(QStringLiteral("txtRiepilogo")), lines);
    QCOMPARE(model.textsOf(QStringLiteral("txtTitolo")), QStringList{QStringLiteral(" [Titolo] ")});
}

void TestListPrint::printsThroughServiceWithTodaysDate()
{
    TestApp t;
    t.clock().date = QDate(2031, 1, 2);
    QVERIFY(listprint::printList(t.app(), nullptr, listprint::alphabeticalReportName(), QStringLiteral("T"),
                                 numbered(2)));
    QCOMPARE(t.print().printed().size(), 1);
    const FakePrintService::Job job = t.print().printed().first();
    QCOMPARE(job.title, QStringLiteral("Graduatoria alfabetica"));
    QCOMPARE(job.pages.textsOf(QStringLiteral("txtPagina")),
             QStringList{QStringLiteral("Stampa eseguita in data 02/01/2031")});
    QCOMPARE(job.pages.textsOf(QStringLiteral("txtRiepilogo")), numbered(2));
}

void TestListPrint::cancelledDialogPrintsNothing()
{
    TestApp t;
    t.print().acceptDialog = false;
    QVERIFY(!listprint::printList(t.app(), nullptr, listprint::meritReportName(), QStringLiteral("T"),
                                  numbered(2)));
    QCOMPARE(t.print().dialogsShown, 1);
    QVERIFY(t.print().jobs.isEmpty());
}

void TestListPrint::pdfSmoke()
{
    TestApp t;
    t.clock().date = QDate(2024, 6, 15);
    QStringList lines = numbered(130, QStringLiteral("CANDIDATO"));
    // A line far wider than the box: cut at 273 mm (about 161 characters at 8 pt).
    lines[5] = QStringLiteral("LUNGA") + QString(200, u'x') + QStringLiteral("CODA");
    QVERIFY(listprint::printList(t.app(), nullptr, listprint::meritReportName(),
                                 QStringLiteral("Graduatoria di merito Prova"),
                                 listprint::rankingLines(lines, QStringLiteral("130"))));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
    QVERIFY(FakePrintService::renderPdf(t.print().printed().first(), pdf));
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext gave nothing");
    QStringList pages = text.split(u'\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages[0].contains(QStringLiteral("Graduatoria di merito Prova")));
    QVERIFY(!pages[1].contains(QStringLiteral("Graduatoria di merito Prova")));
    QVERIFY(!pages[2].contains(QStringLiteral("Graduatoria di merito Prova")));
    QVERIFY(pages[0].contains(QStringLiteral("CANDIDATO 00001")));
    QVERIFY(pages[1].contains(QStringLiteral("CANDIDATO 00054")));
    QVERIFY(pages[2].contains(QStringLiteral("CANDIDATO 00130")));
    QVERIFY(pages[2].contains(QStringLiteral("TOTALE CANDIDATI:           130")));
    QVERIFY(pages[2].contains(QStringLiteral("- - - - - - - - - - - - - - - -")));
    QCOMPARE(text.count(QStringLiteral("Stampa eseguita in data 15/06/2024")), 1);
    QVERIFY(pages[2].contains(QStringLiteral("Stampa eseguita in data 15/06/2024")));
    QVERIFY(text.contains(QStringLiteral("LUNGAxxxx")));
    QVERIFY(!text.contains(QStringLiteral("CODA")));
    const QRegularExpressionMatch cut = QRegularExpression(QStringLiteral("LUNGA(x+)")).match(text);
    QVERIFY(cut.hasMatch());
    QVERIFY2(cut.captured(1).size() > 150 && cut.captured(1).size() < 162, qPrintable(cut.captured(1)));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(30000);
    const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(infoText.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(infoText));
    QVERIFY2(infoText.contains(QStringLiteral("Graduatoria di merito")), qPrintable(infoText));
}

SINTAREL_TEST_MAIN(TestListPrint)
#include "tst_listprint.moc"
