#include "rankings/rankingload.h"

#include "archive/sessionfile.h"
#include "common/text.h"
#include "rankings/meritsort.h"
#include "rankings/rankinglines.h"

#include <vector>

namespace ranking
{

Loaded loadMerit(const QString &path)
{
    using F = TScheda::Field;
    Loaded result;
    // Each record's line, built while reading; its rank is written in once sorted.
    std::vector<QString> rows;
    std::vector<meritsort::Key> keys;
    try {
        SessionFile file(path);
        rows.reserve(size_t(file.count()));
        keys.reserve(size_t(file.count()));
        file.readAll([&](qint64, const TScheda &r) {
            const QString score = r.text(F::Punteggio);
            keys.push_back(meritsort::Key::of(score));
            rows.push_back(lines::meritLineWithoutRank(r.text(F::Concorrente), r.text(F::Responsabile),
                                                       r.text(F::Note), score));
        });
        file.close();
    } catch (const SintarelError &) {
        result.complete = false;
        return result;
    }
    const std::vector<qsizetype> order = meritsort::rankingOrder(keys);
    result.lines.reserve(qsizetype(order.size()));
    qint64 rank = 0;
    for (const qsizetype i : order) {
        QString &line = rows[size_t(i)];
        lines::setRank(line, ++rank);
        result.lines.append(std::move(line));
    }
    return result;
}

Loaded loadAlphabetical(const QString &path)
{
    using F = TScheda::Field;
    Loaded result;
    try {
        SessionFile file(path);
        result.lines.reserve(file.count());
        file.readAll([&](qint64, const TScheda &r) {
            const QString score = r.text(F::Punteggio);
            if (text::trimmed(score).isEmpty())
                return;
            result.lines.append(lines::candidateLine(r.text(F::Concorrente), r.text(F::Responsabile),
                                                     r.text(F::Email), r.text(F::Note), score));
        });
        file.close();
    } catch (const SintarelError &) {
        result.complete = false;
    }
    text::sortLines(result.lines);
    return result;
}

} // namespace ranking
