#include "rankings/rankingload.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "rankings/meritsort.h"
#include "rankings/rankinglines.h"

#include <vector>

namespace ranking
{

namespace
{
// About what a stored line takes, so the block of lines grows rarely.
constexpr qsizetype kLineBytes = 100;
} // namespace

Loaded loadMerit(const QString &path)
{
    using F = TScheda::Field;
    Loaded result;
    std::vector<meritsort::Key> keys;
    try {
        SessionFile file(path);
        keys.reserve(size_t(file.count()));
        result.lines.reserve(file.count(), kLineBytes);
        file.readAll([&](qint64, const TScheda &r) {
            keys.push_back(meritsort::Key::ofBytes(lines::fieldBytes(r, F::Punteggio)));
            lines::appendMeritLineWithoutRank(result.lines.bytes(), r);
            result.lines.endLine();
        });
        file.close();
    } catch (const SintarelError &) {
        return Loaded{LineTable(), false};
    }
    result.lines.setOrder(meritsort::rankingOrder(keys));
    result.lines.setRanked();
    return result;
}

Loaded loadAlphabetical(const QString &path)
{
    using F = TScheda::Field;
    Loaded result;
    try {
        SessionFile file(path);
        result.lines.reserve(file.count(), kLineBytes);
        file.readAll([&](qint64, const TScheda &r) {
            if (text::trimmed(lines::fieldBytes(r, F::Punteggio)).isEmpty())
                return;
            lines::appendCandidateLine(result.lines.bytes(), r);
            result.lines.endLine();
        });
        file.close();
    } catch (const SintarelError &) {
        result.complete = false;
    }
    result.lines.sortLines();
    return result;
}

} // namespace ranking
