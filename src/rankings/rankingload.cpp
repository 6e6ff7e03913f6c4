#include "rankings/rankingload.h"

#include "archive/sessionfile.h"
#include "common/cp1252.h"
#include "common/text.h"
#include "rankings/meritsort.h"
#include "rankings/rankinglines.h"
#include "tools/fiscalcode.h"

#include <algorithm>
#include <vector>

namespace ranking
{

namespace
{
// About what a stored line takes, so the block of lines grows rarely.
constexpr qsizetype kLineBytes = 100;

QString decoded(QByteArrayView bytes)
{
    return cp1252::decode(bytes.data(), bytes.size());
}

// The birth date of a record as a day number, 0 when the fiscal code gives none.
qint64 birthDay(const TScheda &r, const QDate &today)
{
    using F = TScheda::Field;
    QDate exam = QDate::fromString(text::trimmed(decoded(lines::fieldBytes(r, F::Email))),
                                   QStringLiteral("dd/MM/yyyy"));
    if (!exam.isValid())
        exam = today;
    const auto born = fiscalcode::birthDate(decoded(lines::fieldBytes(r, F::Responsabile)), exam);
    return born ? born->toJulianDay() : 0;
}
} // namespace

QString missingBirthDatesText(qsizetype count)
{
    return QStringLiteral("Attenzione: %1 candidati a pari punteggio non hanno un codice fiscale valido da "
                          "cui ricavare la data di nascita.")
        .arg(count);
}

Loaded loadMerit(const QString &path)
{
    return loadMerit(path, RankingOptions(), QDate());
}

Loaded loadMerit(const QString &path, const RankingOptions &options, const QDate &today)
{
    using F = TScheda::Field;
    Loaded result;
    meritsort::KeyList keys;
    std::vector<qint64> born;
    try {
        SessionFile file(path);
        keys.reserve(file.count());
        result.lines.reserve(file.count(), kLineBytes);
        file.readAll([&](qint64, const TScheda &r) {
            keys.add(lines::fieldBytes(r, F::Punteggio));
            lines::appendMeritLineWithoutRank(result.lines.bytes(), r);
            result.lines.endLine();
            if (options.youngerFirst)
                born.push_back(birthDay(r, today));
            if (options.publication) {
                lines::appendPublicationLine(result.published.bytes(), r);
                result.published.endLine();
            }
        });
        file.close();
    } catch (const SintarelError &) {
        return Loaded{LineTable(), LineTable(), false, 0};
    }
    // Runs of equal keys stay together in ranked: the positions compare by it.
    const std::vector<meritsort::KeyList::Item> ranked = keys.ranked();
    const qsizetype n = qsizetype(ranked.size());
    std::vector<qsizetype> order(ranked.size());
    for (qsizetype i = 0; i < n; ++i)
        order[size_t(i)] = ranked[size_t(i)].entry;
    const auto sameScore = [&](qsizetype i, qsizetype j) {
        return keys.compare(ranked[size_t(i)], ranked[size_t(j)]) == 0;
    };

    if (options.youngerFirst) {
        // Within each run of equal scores: known birth dates first, youngest
        // first; the others after, all keeping the order they had.
        for (qsizetype start = 0; start < n;) {
            qsizetype end = start + 1;
            while (end < n && sameScore(start, end))
                ++end;
            if (end - start > 1) {
                std::stable_sort(order.begin() + start, order.begin() + end, [&](qsizetype a, qsizetype b) {
                    const qint64 x = born[size_t(a)];
                    const qint64 y = born[size_t(b)];
                    if ((x == 0) != (y == 0))
                        return x != 0;
                    return x > y;
                });
                result.tiedWithoutBirthDate +=
                    std::count_if(order.begin() + start, order.begin() + end,
                                  [&](qsizetype e) { return born[size_t(e)] == 0; });
            }
            start = end;
        }
    }
    std::vector<qint64> ranks;
    if (options.exAequo) {
        // Candidates still tied share the position of the first of them.
        ranks.resize(size_t(n));
        for (qsizetype i = 0; i < n; ++i) {
            const qsizetype a = order[size_t(i)];
            const bool tied =
                i > 0 && sameScore(i - 1, i) &&
                (!options.youngerFirst || born[size_t(order[size_t(i - 1)])] == born[size_t(a)]);
            ranks[size_t(i)] = tied ? ranks[size_t(i - 1)] : i + 1;
        }
    }
    if (options.publication) {
        result.published.setOrder(order);
        result.published.setRanked(ranks);
    }
    result.lines.setOrder(std::move(order));
    result.lines.setRanked(std::move(ranks));
    return result;
}

Loaded loadAlphabetical(const QString &path, const RankingOptions &options)
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
            if (options.publication) {
                lines::appendPublicationLine(result.published.bytes(), r);
                result.published.endLine();
            }
        });
        file.close();
    } catch (const SintarelError &) {
        result.complete = false;
    }
    const std::vector<qsizetype> &order = result.lines.sortLines();
    if (options.publication)
        result.published.setOrder(order);
    return result;
}

} // namespace ranking
