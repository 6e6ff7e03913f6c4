#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Timing and memory helpers of the benchmark.
namespace measure
{

// Median wall time in milliseconds of runs calls of fn.
double medianMs(int runs, const std::function<void()> &fn);

// Peak resident memory of this process in MB (Linux); the bench reads it in a
// fresh child process for each figure.
double peakMb();

struct Row {
    QString name;
    qint64 records = 0;
    double ms = 0;
    double referenceMs = 0;
    double peak = 0;
    double target = 0;     // largest allowed ratio (or absolute value, see absolute); 0 = no target
    bool absolute = false; // target is in ms or MB rather than a ratio
    QString unit;          // for absolute targets: "ms" or "MB"
    double ratio() const { return referenceMs > 0 ? ms / referenceMs : 0; }
    bool over() const;
    QString line() const;
};

// "bench: N measured, K over target"
QString summary(const QList<Row> &rows);

} // namespace measure
