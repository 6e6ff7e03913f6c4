// Prints one of the program's reports on a named printer through Qt's print
// support and the program's print code, as the print dialog leaves the printer.
// Used by scripts/cups_check.sh against a private print server.
//   cups_print <printer> merit|sheet|range
// Prints "outcome=<Printed|Cancelled|Failed> state=<QPrinter::PrinterState>
// server=<last IPP status> warning=<text shown or empty>" and exits 0 when
// the program reported success.
#include "printouts/ReportPreview.h"
#include "printouts/cupsstatus.h"
#include "printouts/listprintout.h"
#include "printouts/sheetlayout.h"
#include "rankings/rankinglines.h"
#include "support/fakes.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: cups_print <printer> merit|sheet|range\n");
        return 2;
    }
    const QString printerName = QString::fromLocal8Bit(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);

    PageModel pages;
    QString job;
    if (what == QLatin1String("sheet")) {
        sheetlayout::SheetValues v;
        v.sessionName = QStringLiteral("Concorso giugno");
        v.recordNumber = QStringLiteral("7");
        v.candidate = QStringLiteral("ROSSI MARIO");
        v.fiscalCode = QStringLiteral("RSSMRA80A01H501U");
        v.provenance = QStringLiteral("Torino");
        v.examDate = QStringLiteral("15/06/2024");
        v.examDetails = QStringLiteral("Prova scritta\nProva orale");
        v.score = QStringLiteral("27,5");
        v.notes = QStringLiteral("Nessuna");
        pages = sheetlayout::layout(v, sheetlayout::Variant::Print);
        job = sheetlayout::reportName();
    } else {
        QStringList list;
        for (int i = 1; i <= 120; ++i)
            list << lines::meritLine(i, QStringLiteral("CANDIDATO %1").arg(i, 3, 10, QLatin1Char('0')),
                                     QStringLiteral("RSSMRA80A01H501U"), QString(),
                                     QString::number(120 - i) + QStringLiteral(",5"));
        pages =
            listprint::layoutList(QStringLiteral("Graduatoria di merito Concorso giugno"),
                                  listprint::rankingLines(list, QStringLiteral("120")), QDate(2024, 6, 15));
        job = listprint::meritReportName();
    }

    QPrinter printer(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution);
    if (printer.printerName() != printerName) {
        std::fprintf(stderr, "cups_print: no printer \"%s\" (got \"%s\")\n", qPrintable(printerName),
                     qPrintable(printer.printerName()));
        return 2;
    }
    if (what == QLatin1String("range")) {
        // As the print dialog leaves the printer for "pagine 2-2".
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
    }
    FakeMessages messages;
    const PrintOutcome outcome = printWithProgress(pages, job, printer, messages, nullptr);
    const char *names[] = {"Printed", "Cancelled", "Failed"};
    const QString warning = messages.shown().isEmpty() ? QString() : messages.shown().first().text;
    QTextStream(stdout) << "outcome=" << names[int(outcome)] << " state=" << int(printer.printerState())
                        << " server=0x" << QString::number(cupsstatus::lastStatus(), 16)
                        << " pages=" << pages.pages.size() << " warning=" << warning << "\n";
    return outcome == PrintOutcome::Printed ? 0 : 1;
}
