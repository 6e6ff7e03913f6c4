#include "operations.h"

#include "archive/csvimport.h"
#include "export/csvexport.h"
#include "export/exportgrid.h"
#include "export/spreadsheet.h"
#include "export/xlsxexport.h"
#include "lists/candidatelist.h"
#include "lists/filtermatch.h"
#include "printouts/listprintout.h"
#include "printouts/pagepainter.h"
#include "rankings/rankingload.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStringListModel>

namespace bench
{

namespace
{

// The floor: one plain sequential read of the whole file into memory.
void plainRead(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("bench: cannot read %s", qPrintable(path));
    QByteArray all(f.size(), Qt::Uninitialized);
    if (f.read(all.data(), all.size()) != all.size())
        qFatal("bench: read failed");
}

measure::Row run(const QString &name, qint64 records, int runs, double reference, double target,
                 const std::function<void()> &fn)
{
    measure::Row row;
    row.name = name;
    row.records = records;
    measure::resetPeak();
    row.ms = measure::medianMs(runs, fn);
    row.peak = measure::peakMb();
    row.referenceMs = reference;
    row.target = records >= 100000 ? target : 0;
    return row;
}

} // namespace

QList<measure::Row> measureSession(const QString &folder, const QString &path, qint64 records, int runs)
{
    QList<measure::Row> rows;
    plainRead(path); // warm the file cache
    measure::Row reference =
        run(QStringLiteral("plain read (reference)"), records, runs, 0, 0, [&] { plainRead(path); });
    rows.append(reference);
    const double ref = reference.ms;

    // Each whole-session screen: read, keys or filters, sort, lines, and the
    // list's model filled.
    QStringList meritLines;
    rows.append(run(QStringLiteral("merit ranking"), records, runs, ref, 3, [&] {
        QStringListModel model;
        meritLines = ranking::loadMerit(path).lines;
        model.setStringList(meritLines);
    }));
    rows.append(run(QStringLiteral("alphabetical ranking"), records, runs, ref, 3, [&] {
        QStringListModel model;
        model.setStringList(ranking::loadAlphabetical(path).lines);
    }));
    rows.append(run(QStringLiteral("search, two filters"), records, runs, ref, 3, [&] {
        const SearchFilters filters(
            {QStringLiteral("rossi"), QString(), QStringLiteral("roma"), QString(), QString(), QString()});
        QStringListModel model;
        model.setStringList(candidatelist::search(path, filters).lines);
    }));
    rows.append(run(QStringLiteral("eligible list"), records, runs, ref, 3, [&] {
        QStringListModel model;
        model.setStringList(candidatelist::eligible(path).lines);
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
            csvimport::appendAll(imported, reading.records);
        }));
        QFile::remove(imported);
    }

    // The merit ranking printed: its page model, then its pages drawn into a PDF
    // against one drawText per line on a bare PDF writer.
    QStringList printed = listprint::rankingLines(meritLines, QString::number(meritLines.size()));
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

    // Peak memory of the largest merit ranking, with nothing else held.
    pages = PageModel();
    printed.clear();
    meritLines.clear();
    if (records >= 100000) {
        measure::Row memory = run(QStringLiteral("merit ranking peak memory"), records, 1, 0, 0, [&] {
            QStringListModel model;
            model.setStringList(ranking::loadMerit(path).lines);
        });
        memory.target = 200;
        memory.absolute = true;
        memory.unit = QStringLiteral("MB");
        rows.append(memory);
    }
    return rows;
}

} // namespace bench
