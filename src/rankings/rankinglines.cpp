#include "rankings/rankinglines.h"

#include "archive/record.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace lines
{

namespace
{
const QString kSpaces(64, u' ');

inline unsigned code(QChar c)
{
    return c.unicode();
}
inline unsigned code(char c)
{
    return static_cast<unsigned char>(c);
}

// A line of bytes being built, on the stack: the longest line is a few hundred
// bytes, and appending to the list's block once per line is much cheaper than
// once per piece.
struct ByteLine {
    char data[1024];
    qsizetype size = 0;
};

inline void appendText(ByteLine &line, const char *p, qsizetype n)
{
    std::memcpy(line.data + line.size, p, size_t(n));
    line.size += n;
}
inline void appendLiteral(ByteLine &line, const char *s)
{
    appendText(line, s, qsizetype(std::strlen(s)));
}
// Runs of filling spaces are stored short (see kSpaceRun).
inline void appendSpaces(ByteLine &line, qsizetype n)
{
    for (; n > 0; n -= 255) {
        line.data[line.size++] = kSpaceRun;
        line.data[line.size++] = char(std::min<qsizetype>(n, 255));
    }
}

inline void appendText(QString &line, const QChar *p, qsizetype n)
{
    line.append(p, n);
}
inline void appendLiteral(QString &line, const char *s)
{
    line.append(QLatin1String(s));
}
inline void appendSpaces(QString &line, qsizetype n)
{
    for (; n > 0; n -= kSpaces.size())
        line.append(QStringView(kSpaces).left(std::min(n, kSpaces.size())));
}

inline qsizetype lineSize(const ByteLine &line)
{
    return line.size;
}
inline qsizetype lineSize(const QString &line)
{
    return line.size();
}
inline bool isControl(unsigned c)
{
    return c < 32 || c == 127;
}
inline void blankControls(ByteLine &line, qsizetype from)
{
    for (qsizetype i = from; i < line.size; ++i)
        if (isControl(code(line.data[i])))
            line.data[i] = ' ';
}
inline void blankControls(QString &line, qsizetype from)
{
    const auto first =
        std::find_if(line.cbegin() + from, line.cend(), [](QChar c) { return isControl(code(c)); });
    if (first == line.cend())
        return;
    for (qsizetype i = first - line.cbegin(); i < line.size(); ++i)
        if (isControl(code(line[i])))
            line[i] = u' ';
}

// The one place where a field's text enters a line, for both forms of the lines:
// trimmed, then filled or cut to width (width < 0: whole). Lists of a whole
// session build 100,000 of these lines, so nothing temporary is made.
template <typename Line, typename Char>
void appendField(Line &line, const Char *value, qsizetype size, qsizetype width)
{
    qsizetype start = 0;
    qsizetype end = size;
    while (start < end && code(value[start]) <= 32)
        ++start;
    while (end > start && code(value[end - 1]) <= 32)
        --end;
    const qsizetype n = width < 0 ? end - start : std::min(end - start, width);
    const qsizetype from = lineSize(line);
    appendText(line, value + start, n);
    // A tab or line break stored inside a field (from another program) would
    // break the columns or hide the rest of the line: it shows as a blank.
    blankControls(line, from);
    if (width > 0)
        appendSpaces(line, width - n);
}

// A field given as text or as stored bytes.
struct Text {
    const QChar *data;
    qsizetype size;
    Text(const QString &s) : data(s.constData()), size(s.size()) {}
};
struct Bytes {
    const char *data;
    qsizetype size;
    Bytes(QByteArrayView v) : data(v.data()), size(v.size()) {}
};

template <typename Line, typename Field>
void buildCandidate(Line &line, const Field &name, const Field &fiscalCode, const Field &examDate,
                    const Field &notes, const Field &score)
{
    appendField(line, name.data, name.size, 34);
    appendLiteral(line, "  C.F. ");
    appendField(line, fiscalCode.data, fiscalCode.size, 16);
    appendLiteral(line, "  Data: ");
    appendField(line, examDate.data, examDate.size, 10);
    appendLiteral(line, "  Note: ");
    appendField(line, notes.data, notes.size, 54);
    appendLiteral(line, "  Punti: ");
    appendField(line, score.data, score.size, -1);
}

// The merit line after its rank field and the two spaces that follow it.
template <typename Line, typename Field>
void buildMeritRest(Line &line, const Field &name, const Field &fiscalCode, const Field &notes,
                    const Field &score)
{
    appendField(line, name.data, name.size, 35);
    appendLiteral(line, "  C.F. ");
    appendField(line, fiscalCode.data, fiscalCode.size, 16);
    appendLiteral(line, "  Note: ");
    appendField(line, notes.data, notes.size, 63);
    appendLiteral(line, "  Punti: ");
    appendField(line, score.data, score.size, -1);
}

template <typename Line, typename Field>
void buildPublication(Line &line, const Field &name, const Field &score)
{
    appendField(line, name.data, name.size, 35);
    appendLiteral(line, "  Punti: ");
    appendField(line, score.data, score.size, -1);
}

} // namespace

QByteArrayView fieldBytes(const TScheda &record, TScheda::Field field)
{
    const char *p = record.bytes() + TScheda::offset(field);
    const qsizetype size = TScheda::capacity(field);
    const void *nul = std::memchr(p, 0, static_cast<size_t>(size));
    return QByteArrayView(p, nul ? static_cast<const char *>(nul) - p : size);
}

QString fitted(const QString &value, int width)
{
    QString s;
    s.reserve(width);
    appendField(s, value.constData(), value.size(), width);
    return s;
}

QString candidateLine(const QString &name, const QString &fiscalCode, const QString &examDate,
                      const QString &notes, const QString &score)
{
    QString line;
    line.reserve(160);
    buildCandidate<QString, Text>(line, name, fiscalCode, examDate, notes, score);
    return line;
}

QString candidateLine(const TScheda &r)
{
    using F = TScheda::Field;
    return candidateLine(r.text(F::Concorrente), r.text(F::Responsabile), r.text(F::Email), r.text(F::Note),
                         r.text(F::Punteggio));
}

void appendCandidateLine(QByteArray &out, const TScheda &r)
{
    using F = TScheda::Field;
    ByteLine line;
    buildCandidate<ByteLine, Bytes>(line, fieldBytes(r, F::Concorrente), fieldBytes(r, F::Responsabile),
                                    fieldBytes(r, F::Email), fieldBytes(r, F::Note),
                                    fieldBytes(r, F::Punteggio));
    out.append(line.data, line.size);
}

QString meritLineWithoutRank(const QString &name, const QString &fiscalCode, const QString &notes,
                             const QString &score)
{
    QString line;
    line.reserve(160);
    appendSpaces(line, kMeritRankWidth); // the rank field and two spaces
    buildMeritRest<QString, Text>(line, name, fiscalCode, notes, score);
    return line;
}

void appendMeritLineWithoutRank(QByteArray &out, const TScheda &r)
{
    using F = TScheda::Field;
    ByteLine line;
    buildMeritRest<ByteLine, Bytes>(line, fieldBytes(r, F::Concorrente), fieldBytes(r, F::Responsabile),
                                    fieldBytes(r, F::Note), fieldBytes(r, F::Punteggio));
    out.append(line.data, line.size);
}

void appendPublicationLine(QByteArray &out, const TScheda &r)
{
    using F = TScheda::Field;
    ByteLine line;
    buildPublication<ByteLine, Bytes>(line, fieldBytes(r, F::Concorrente), fieldBytes(r, F::Punteggio));
    out.append(line.data, line.size);
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
