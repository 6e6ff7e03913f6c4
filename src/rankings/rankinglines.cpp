#include "rankings/rankinglines.h"

#include "archive/record.h"
#include "common/text.h"

#include <algorithm>
#include <charconv>

namespace lines
{

namespace
{
const QString kSpaces(64, u' ');

// Trimmed value filled or cut to width, appended without temporaries: lists of a
// whole session build 100,000 of these lines.
void appendFitted(QString &line, QStringView value, qsizetype width)
{
    qsizetype start = 0;
    qsizetype end = value.size();
    while (start < end && value[start].unicode() <= 32)
        ++start;
    while (end > start && value[end - 1].unicode() <= 32)
        --end;
    const qsizetype n = std::min(end - start, width);
    line.append(value.mid(start, n));
    for (qsizetype pad = width - n; pad > 0; pad -= kSpaces.size())
        line.append(QStringView(kSpaces).left(std::min(pad, kSpaces.size())));
}

} // namespace

QString fitted(const QString &value, int width)
{
    QString s;
    s.reserve(width);
    appendFitted(s, value, width);
    return s;
}

QString candidateLine(const QString &name, const QString &fiscalCode, const QString &examDate,
                      const QString &notes, const QString &score)
{
    QString line;
    line.reserve(160);
    appendFitted(line, name, 34);
    line += QLatin1String("  C.F. ");
    appendFitted(line, fiscalCode, 16);
    line += QLatin1String("  Data: ");
    appendFitted(line, examDate, 10);
    line += QLatin1String("  Note: ");
    appendFitted(line, notes, 54);
    line += QLatin1String("  Punti: ");
    line += text::trimmed(score);
    text::blankControls(line);
    return line;
}

QString candidateLine(const TScheda &r)
{
    using F = TScheda::Field;
    return candidateLine(r.text(F::Concorrente), r.text(F::Responsabile), r.text(F::Email), r.text(F::Note),
                         r.text(F::Punteggio));
}

QString meritLineWithoutRank(const QString &name, const QString &fiscalCode, const QString &notes,
                             const QString &score)
{
    QString line;
    line.reserve(160);
    line += QLatin1String("       "); // the rank field and two spaces
    appendFitted(line, name, 35);
    line += QLatin1String("  C.F. ");
    appendFitted(line, fiscalCode, 16);
    line += QLatin1String("  Note: ");
    appendFitted(line, notes, 63);
    line += QLatin1String("  Punti: ");
    line += text::trimmed(score);
    text::blankControls(line);
    return line;
}

void setRank(QString &line, qint64 rank)
{
    // The rank followed by five spaces, cut to five characters (not trimmed).
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, rank);
    const qsizetype n = error == std::errc() ? std::min<qsizetype>(end - digits, 5) : 0;
    QChar *d = line.data();
    for (qsizetype i = 0; i < 5; ++i)
        d[i] = i < n ? QChar(char16_t(digits[i])) : QChar(u' ');
}

QString meritLine(qint64 rank, const QString &name, const QString &fiscalCode, const QString &notes,
                  const QString &score)
{
    QString line = meritLineWithoutRank(name, fiscalCode, notes, score);
    setRank(line, rank);
    return line;
}

} // namespace lines
