#include "operations.h"

#include "archive/catalogue.h"
#include "archive/csvimport.h"
#include "common/ImageButton.h"
#include "export/csvexport.h"
#include "export/exportgrid.h"
#include "export/spreadsheet.h"
#include "export/xlsxexport.h"
#include "lists/candidatelist.h"
#include "lists/filtermatch.h"
#include "printouts/listprintout.h"
#include "printouts/pagepainter.h"
#include "rankings/ApriClassifica.h"
#include "rankings/ExpClassifica.h"
#include "rankings/LineList.h"
#include "rankings/rankingload.h"
#include "shell/AppContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace bench
{

void streamingRead(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qFatal("bench: cannot read %s", qPrintable(path));
    static QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 n;
    while ((n = f.read(buffer.data(), buffer.size())) > 0) {
    }
    if (n < 0)
        qFatal("bench: read failed");
}

namespace
{

measure::Row run(const QString &name, qint64 records, int runs, double reference, double target,
                 const std::function<void()> &fn)
{
    measure::Row row;
    row.name = name;
    row.records = records;
    row.ms = measure::medianMs(runs, fn);
    row.referenceMs = reference;
    row.target = records >= 100000 ? target : 0;
    return row;
}

// The operations the window's memory rows run in a fresh process: each fills the
// list model the window shows.
void meritRanking(const QString &path)
{
    LineListModel model;
    model.setTable(ranking::loadMerit(path).lines);
}

const SearchFilters &twoFilters()
{
    static const SearchFilters filters(
        {QStringLiteral("rossi"), QString(), QStringLiteral("roma"), QString(), QString(), QString()});
    return filters;
}

// Runs the bench again with args, returns what it printed: "<ms> <peak MB>".
QPair<double, double> child(const QStringList &args)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        qFatal("bench: child %s failed", qPrintable(args.join(u' ')));
    const QList<QByteArray> parts = p.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 2)
        qFatal("bench: child %s printed no figures", qPrintable(args.join(u' ')));
    return {parts[0].toDouble(), parts[1].toDouble()};
}

measure::Row peakRow(const QString &name, qint64 records, const QStringList &args, double target)
{
    measure::Row row;
    row.name = name;
    row.records = records;
    const auto [ms, peak] = child(args);
    row.ms = ms;
    row.peak = peak;
    row.target = records >= 100000 ? target : 0;
    row.absolute = true;
    row.unit = QStringLiteral("MB");
    return row;
}

} // namespace

int peakOf(const QString &operation, const QString &path)
{
    QElapsedTimer t;
    t.start();
    if (operation == QLatin1String("merit")) {
        meritRanking(path);
    } else if (operation == QLatin1String("alphabetical")) {
        LineListModel model;
        model.setTable(ranking::loadAlphabetical(path).lines);
    } else if (operation == QLatin1String("eligible")) {
        LineListModel model;
        model.setTable(candidatelist::eligible(path).lines);
    } else if (operation == QLatin1String("search")) {
        LineListModel model;
        model.setTable(candidatelist::search(path, twoFilters()).lines);
    } else if (operation == QLatin1String("export")) {
        ExportGridModel grid;
        grid.fill(path);
        spreadsheet::writeFile(path + QStringLiteral(".xls"), grid.spreadsheet());
    } else {
        return 2;
    }
    std::printf("%.2f %.1f\n", t.nsecsElapsed() / 1e6, measure::peakMb());
    return 0;
}

int meritWindow(const QString &folder, const QString &sessionFile, bool withFindAndPrint)
{
    AppServices services = AppServices::system();
    services.programFolder = folder;
    AppContext app(std::move(services));
    TfrmApriClassifica *selection = app.frmApriClassifica();
    selection->showWindow();
    QCoreApplication::processEvents();
    const QList<QListWidgetItem *> items = selection->lstFiles->findItems(sessionFile, Qt::MatchFixedString);
    if (items.isEmpty())
        return 2;
    selection->lstFiles->setCurrentItem(items.first());

    QElapsedTimer t;
    double ms = -1;
    // Runs once the ranking's own event loop has started: by then the window is
    // shown and filled; the pending paint puts the count on screen.
    QTimer::singleShot(0, [&] {
        auto *ranking = qobject_cast<TfrmExpClassifica *>(QApplication::activeModalWidget());
        if (ranking) {
            QCoreApplication::processEvents();
            if (ranking->lblTotConcorrenti->text() != QLatin1String("0"))
                ms = t.nsecsElapsed() / 1e6;
            if (withFindAndPrint) {
                // Then what a user does next, counted in the memory only: a find,
                // and the printout laid out as Stampa graduatoria does, page 1
                // drawn into a PDF.
                ranking->txtTrova->setText(QStringLiteral("rossi"));
                ranking->btnTrova->click();
                PageModel pages = listprint::layoutList(
                    ranking->titClassifica->text(),
                    listprint::rankingLines(ranking->lstRecords->lines(), ranking->lblTotConcorrenti->text()),
                    QDate::currentDate());
                pages.pages.erase(pages.pages.begin() + 1, pages.pages.end());
                report::renderPdf(pages, folder + QStringLiteral("pagina1.pdf"));
            }
            ranking->close();
        }
    });
    t.start();
    selection->btnExcel->click();
    if (ms < 0)
        return 3;
    std::printf("%.2f %.1f\n", ms, measure::peakMb());
    return 0;
}

QList<measure::Row> measureSession(const QString &folder, const QString &path, qint64 records, int runs)
{
    QList<measure::Row> rows;
    streamingRead(path); // warm the file cache
    measure::Row reference =
        run(QStringLiteral("streaming read (reference)"), records, runs, 0, 0, [&] { streamingRead(path); });
    rows.append(reference);
    const double ref = reference.ms;

    // Each whole-session screen: read, keys or filters, sort, and the list's
    // model filled.
    rows.append(run(QStringLiteral("merit ranking"), records, runs, ref, 3, [&] { meritRanking(path); }));
    rows.append(run(QStringLiteral("alphabetical ranking"), records, runs, ref, 3, [&] {
        LineListModel model;
        model.setTable(ranking::loadAlphabetical(path).lines);
    }));
    rows.append(run(QStringLiteral("search, two filters"), records, runs, ref, 3, [&] {
        LineListModel model;
        model.setTable(candidatelist::search(path, twoFilters()).lines);
    }));
    rows.append(run(QStringLiteral("eligible list"), records, runs, ref, 3, [&] {
        LineListModel model;
        model.setTable(candidatelist::eligible(path).lines);
    }));
    rows.append(run(QStringLiteral("export grid and file"), records, runs, ref, 3, [&] {
        ExportGridModel grid;
        grid.fill(path);
        spreadsheet::writeFile(folder + spreadsheet::fileName(), grid.spreadsheet());
    }));

    // The real spreadsheet files, and the session's CSV imported back into an
    // empty session (read, checked row by row, appended in one operation).
    {
        ExportGridModel grid;
        grid.fill(path);
        rows.append(run(QStringLiteral("XLSX file from the grid"), records, runs, ref, 0, [&] {
            xlsxexport::writeFile(folder + QStringLiteral("bench.xlsx"), QStringLiteral("bench"), grid);
        }));
        QByteArray csv;
        rows.append(run(QStringLiteral("CSV file from the grid"), records, runs, ref, 0, [&] {
            csv = csvexport::document(grid);
            csvexport::writeFile(folder + QStringLiteral("bench.csv"), grid);
        }));
        const QString imported = folder + QStringLiteral("imported.vai");
        rows.append(run(QStringLiteral("CSV import into an empty session"), records, runs, ref, 0, [&] {
            QFile::remove(imported);
            const csvimport::Reading reading = csvimport::read(csv, QDate(2026, 12, 9));
            if (!reading.importable())
                qFatal("bench: the exported CSV does not import");
            csvimport::appendAll(imported, reading.records, QDateTime::currentDateTime());
        }));
        QFile::remove(imported);
    }
    // The real program's merit window, each run in a fresh process: from the
    // button to the count shown, and the program's peak memory with it open.
    const QString sessionFile = path.mid(path.lastIndexOf(u'/') + 1);
    std::vector<QPair<double, double>> window;
    for (int i = 0; i < runs; ++i)
        window.push_back(child({QStringLiteral("--merit-window"), folder, sessionFile}));
    std::sort(window.begin(), window.end());
    measure::Row windowRow;
    windowRow.name = QStringLiteral("merit window, button to count");
    windowRow.records = records;
    windowRow.ms = window[window.size() / 2].first;
    windowRow.referenceMs = ref;
    windowRow.target = records >= 100000 ? 4 : 0;
    rows.append(windowRow);
    double windowPeak = 0;
    for (const auto &w : window)
        windowPeak = std::max(windowPeak, w.second);
    measure::Row windowMemory;
    windowMemory.name = QStringLiteral("merit window peak memory");
    windowMemory.records = records;
    windowMemory.ms = windowRow.ms;
    windowMemory.peak = windowPeak;
    windowMemory.target = records >= 100000 ? 150 : 0;
    windowMemory.absolute = true;
    windowMemory.unit = QStringLiteral("MB");
    rows.append(windowMemory);
    const auto findPrint =
        child({QStringLiteral("--merit-window"), folder, sessionFile, QStringLiteral("--find-print")});
    measure::Row printMemory;
    printMemory.name = QStringLiteral("... then find, print page 1");
    printMemory.records = records;
    printMemory.ms = findPrint.first;
    printMemory.peak = findPrint.second;
    printMemory.target = records >= 300000 ? 300 : 0;
    printMemory.absolute = true;
    printMemory.unit = QStringLiteral("MB");
    rows.append(printMemory);

    // The merit ranking printed: its page model, then its pages drawn into a PDF
    // against one drawText per line on a bare PDF writer.
    const ranking::Loaded merit = ranking::loadMerit(path);
    QStringList printed = listprint::rankingLines(merit.lines.toList(), QString::number(merit.lines.size()));
    PageModel pages;
    measure::Row layout = run(QStringLiteral("list printout page model"), records, runs, 0, 0, [&] {
        pages = listprint::layoutList(QStringLiteral("Graduatoria di merito"), printed, QDate(2026, 12, 9));
    });
    if (records == 10000) {
        layout.target = 200;
        layout.absolute = true;
        layout.unit = QStringLiteral("ms");
    }
    rows.append(layout);
    if (records <= 10000) {
        const QString pdf = folder + QStringLiteral("bench.pdf");
        const double bare = measure::medianMs(runs, [&] {
            QPdfWriter writer(pdf);
            writer.setPageLayout(report::pageLayout(pages));
            QPainter painter(&writer);
            painter.setFont(QFont(QStringLiteral("Courier New"), 8));
            const int perPage = pages.pages.isEmpty() ? 40 : int(printed.size() / pages.pages.size()) + 1;
            const int step = painter.fontMetrics().height();
            int y = 0;
            for (qsizetype i = 0; i < printed.size(); ++i) {
                if (i > 0 && i % perPage == 0) {
                    writer.newPage();
                    y = 0;
                }
                y += step;
                painter.drawText(0, y, printed[i]);
            }
        });
        measure::Row pdfRow = run(QStringLiteral("list printout to PDF"), records, runs, bare, 0,
                                  [&] { report::renderPdf(pages, pdf); });
        pdfRow.target = records == 10000 ? 2 : 0;
        rows.append(pdfRow);
    }

    // Peak memory of the merit ranking alone, in a fresh process so that
    // nothing measured before counts.
    if (records >= 100000)
        rows.append(peakRow(QStringLiteral("merit ranking peak memory"), records,
                            {QStringLiteral("--peak"), QStringLiteral("merit"), path}, 150));
    return rows;
}

} // namespace bench
