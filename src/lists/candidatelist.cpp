#include "lists/candidatelist.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "rankings/rankinglines.h"

#include <algorithm>
#include <numeric>

namespace candidatelist
{

namespace
{

void sortList(List &list)
{
    std::vector<qsizetype> order(static_cast<size_t>(list.lines.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return text::sortedLess(list.lines[a], list.lines[b]);
    });
    List sorted;
    sorted.complete = list.complete;
    sorted.lines.reserve(list.lines.size());
    sorted.numbers.reserve(list.numbers.size());
    for (qsizetype i : order) {
        sorted.lines.append(std::move(list.lines[i]));
        sorted.numbers.append(list.numbers[i]);
    }
    list = std::move(sorted);
}

template <typename Accept> List collect(const QString &path, Accept accept)
{
    List list;
    try {
        SessionFile file(path);
        file.readAll([&](qint64 index, const TScheda &r) {
            if (accept(r)) {
                list.lines.append(lines::candidateLine(r));
                list.numbers.append(index + 1);
            }
        });
        file.close();
    } catch (const SessionError &) {
        list.complete = false;
    }
    sortList(list);
    return list;
}

} // namespace

List search(const QString &path, const SearchFilters &filters)
{
    return collect(path, [&](const TScheda &r) { return filters.accepts(r); });
}

List eligible(const QString &path)
{
    return collect(path, [](const TScheda &r) { return r.flagText() != TScheda::eligibleNo(); });
}

std::optional<Recalled> recall(const QString &path, qint64 number, const QString &line)
{
    const QString wanted = text::trimmed(line);
    SessionFile file(path);
    std::optional<Recalled> found;
    if (number >= 1 && number <= file.count()) {
        const TScheda r = file.read(number - 1);
        if (text::trimmed(lines::candidateLine(r)) == wanted)
            found = Recalled{r, number};
    }
    if (!found) {
        // The file changed since the list was read: the last record giving the line.
        file.readAll([&](qint64 index, const TScheda &r) {
            if (text::trimmed(lines::candidateLine(r)) == wanted)
                found = Recalled{r, index + 1};
        });
    }
    file.close();
    return found;
}

} // namespace candidatelist
