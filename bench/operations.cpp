#include "operations.h"

#include "archive/sessionfile.h"
#include "lists/filtermatch.h"

#include <QFile>

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
    Q_UNUSED(folder);
    QList<measure::Row> rows;
    plainRead(path); // warm the file cache
    measure::Row reference =
        run(QStringLiteral("plain read (reference)"), records, runs, 0, 0, [&] { plainRead(path); });
    rows.append(reference);
    const double ref = reference.ms;

    rows.append(run(QStringLiteral("search, two filters"), records, runs, ref, 3, [&] {
        const SearchFilters filters(
            {QStringLiteral("rossi"), QString(), QStringLiteral("roma"), QString(), QString(), QString()});
        qint64 listed = 0;
        SessionFile::forEach(path, [&](qint64, const TScheda &r) { listed += filters.accepts(r); });
        if (listed < 0)
            qFatal("unreachable");
    }));
    return rows;
}

} // namespace bench
