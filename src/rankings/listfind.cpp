#include "rankings/listfind.h"

#include "common/text.h"
#include "rankings/linetable.h"

namespace listfind
{

static bool contains(const QString &line, const QString &lowered)
{
    return !lowered.isEmpty() && text::lowerAZ(line).contains(lowered);
}

namespace
{
template <typename Lines>
Result findIn(const Lines &lines, qsizetype selected, const QString &typed, QString &remembered)
{
    Result result;
    const qsizetype n = lines.size();
    if (n == 0)
        return result;
    if (selected < 0 || selected >= n)
        selected = 0;
    result.selected = selected;
    const QString s = text::lowerAZ(typed);

    qsizetype start;
    if (s != remembered) {
        start = 0;
        if (contains(lines.at(0), s)) {
            result.selected = 0;
            result.found = true;
        }
    } else {
        start = selected;
    }
    if (!result.found) {
        for (qsizetype step = 1; step <= n; ++step) {
            const qsizetype i = (start + step) % n;
            if (contains(lines.at(i), s)) {
                result.selected = i;
                result.found = true;
                break;
            }
        }
    }
    remembered = s;
    return result;
}

} // namespace

Result find(const QStringList &lines, qsizetype selected, const QString &typed, QString &remembered)
{
    return findIn(lines, selected, typed, remembered);
}

Result find(const LineTable &lines, qsizetype selected, const QString &typed, QString &remembered)
{
    return findIn(lines, selected, typed, remembered);
}

} // namespace listfind
