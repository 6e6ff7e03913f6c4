#include "lists/candidatelist.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "rankings/rankinglines.h"

namespace candidatelist
{

namespace
{

void sortList(List &list)
{
    const std::vector<qsizetype> &order = list.lines.sortLines();
    QList<qint64> numbers;
    numbers.reserve(list.numbers.size());
    for (const qsizetype e : order)
        numbers.append(list.numbers[e]);
    list.numbers = std::move(numbers);
}

template <typename Accept> List collect(const QString &path, Accept accept)
{
    List list;
    try {
        SessionFile file(path);
        // Address space only: pages no line reaches are never touched.
        list.lines.reserve(file.count(), 100);
        file.readAll([&](qint64 index, const TScheda &r) {
            if (accept(r)) {
                lines::appendCandidateLine(list.lines.bytes(), r);
                list.lines.endLine();
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
