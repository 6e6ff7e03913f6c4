#include "measure.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <vector>

namespace measure
{

double medianMs(int runs, const std::function<void()> &fn)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        fn();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double peakMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray &l : lines) {
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

bool Row::over() const
{
    if (target <= 0)
        return false;
    if (absolute)
        return (unit == QLatin1String("MB") ? peak : ms) > target;
    return ratio() > target;
}

QString Row::line() const
{
    QString s = QStringLiteral("%1 %2 %3 ms").arg(name, -34).arg(records, 7).arg(ms, 10, 'f', 2);
    if (peak > 0)
        s += QStringLiteral("  peak %1 MB").arg(peak, 7, 'f', 1);
    if (referenceMs > 0)
        s += QStringLiteral("  ratio %1").arg(ratio(), 6, 'f', 2);
    if (target > 0) {
        if (absolute)
            s += QStringLiteral("  target <= %1 %2").arg(target).arg(unit);
        else
            s += QStringLiteral("  target <= %1x").arg(target);
        s += over() ? QStringLiteral("  OVER") : QStringLiteral("  ok");
    }
    return s;
}

QString summary(const QList<Row> &rows)
{
    const auto over = std::count_if(rows.begin(), rows.end(), [](const Row &r) { return r.over(); });
    return QStringLiteral("bench: %1 measured, %2 over target").arg(rows.size()).arg(over);
}

} // namespace measure
