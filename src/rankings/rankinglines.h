#pragma once

#include "archive/record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

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

// The same lines as stored bytes (Windows-1252), appended to out straight from a
// record, for lists of a whole session: decoding them gives exactly the lines
// above. A field's filling is stored as kSpaceRun and a count of spaces (1 to
// 255): NUL never occurs in a stored text, and the filling is most of a line.
// The merit line is given without its rank field and the two spaces after it
// (kMeritRankWidth characters), which the list adds when it shows the line.
constexpr char kSpaceRun = 0;
void appendCandidateLine(QByteArray &out, const TScheda &record);
void appendMeritLineWithoutRank(QByteArray &out, const TScheda &record);
constexpr int kMeritRankWidth = 7;

// The line of the publication printout: name(35) "  Punti: " score. The merit
// ranking's has the rank field in front, as its screen line.
void appendPublicationLine(QByteArray &out, const TScheda &record);

// The stored bytes of a field up to its first NUL (all of them when there is none).
QByteArrayView fieldBytes(const TScheda &record, TScheda::Field field);

} // namespace lines
