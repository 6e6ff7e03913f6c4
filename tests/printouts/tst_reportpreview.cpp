#include "printouts/ReportPreview.h"
#include "printouts/SystemPrintService.h"
#include "printouts/listprintout.h"
#include "printouts/pagemodel.h"
#include "support/testapp.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>

class TestReportPreview : public QObject
{
    Q_OBJECT
private slots:
    void previewOffersOnlyItsCommands();
    void previewShowsEveryPage();
    void printerGetsPaperAndPages();
    void systemServiceExists();
};

void TestReportPreview::previewOffersOnlyItsCommands()
{
    const PageModel model =
        listprint::layoutList(QStringLiteral("T"), {QStringLiteral("a")}, QDate(2024, 6, 15));
    ReportPreview w(model, QStringLiteral("Candidato ed esame"));
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
    ReportPreview w(model, QStringLiteral("Prova"));
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
    QVERIFY(printPageModel(model, QStringLiteral("Graduatoria di merito"), printer));
    QCOMPARE(printer.docName(), QStringLiteral("Graduatoria di merito"));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    const QString text = FakePrintService::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Graduatoria di merito Prova")), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("1 +ROSSI"))), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/06/2024")));
}

void TestReportPreview::systemServiceExists()
{
    QVERIFY(makeSystemPrintService() != nullptr);
}

SINTAREL_TEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
