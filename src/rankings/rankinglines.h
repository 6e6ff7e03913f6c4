#pragma once

#include <QString>

struct TScheda;

// The fixed-column lines of the list windows, shown in a fixed-width font so the
// columns align. Every field is trimmed (codes 32 and below at both ends), then
// filled with spaces or cut to its width; the score ends the line whole.
namespace lines
{

// Trimmed text filled with spaces or cut to exactly width characters.
QString fitted(const QString &text, int width);

// The candidate line of the alphabetical ranking, the eligible list and the
// search results:
// name(34) "  C.F. " fiscal code(16) "  Data: " exam date(10) "  Note: " notes(54)
// "  Punti: " score.
QString candidateLine(const QString &name, const QString &fiscalCode, const QString &examDate,
                      const QString &notes, const QString &score);
QString candidateLine(const TScheda &record);

// The merit line: rank(5) "  " name(35) "  C.F. " fiscal code(16) "  Note: "
// notes(63) "  Punti: " score. The rank is its decimal text cut to 5 characters.
QString meritLine(qint64 rank, const QString &name, const QString &fiscalCode, const QString &notes,
                  const QString &score);

// The merit line in two steps, for building it before the rank is known: the
// line with a blank rank field, then the rank written into it in place.
QString meritLineWithoutRank(const QString &name, const QString &fiscalCode, const QString &notes,
                             const QString &score);
void setRank(QString &line, qint64 rank);

} // namespace lines
