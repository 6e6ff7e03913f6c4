#include "rankings/rankinglines.h"

#include "archive/record.h"
#include "common/text.h"

namespace lines
{

QString fitted(const QString &value, int width)
{
    QString s = text::trimmed(value);
    if (s.size() > width)
        s.truncate(width);
    else if (s.size() < width)
        s.append(QString(width - s.size(), u' '));
    return s;
}

QString candidateLine(const QString &name, const QString &fiscalCode, const QString &examDate,
                      const QString &notes, const QString &score)
{
    QString line;
    line.reserve(160);
    line += fitted(name, 34);
    line += QLatin1String("  C.F. ");
    line += fitted(fiscalCode, 16);
    line += QLatin1String("  Data: ");
    line += fitted(examDate, 10);
    line += QLatin1String("  Note: ");
    line += fitted(notes, 54);
    line += QLatin1String("  Punti: ");
    line += text::trimmed(score);
    return line;
}

QString candidateLine(const TScheda &r)
{
    using F = TScheda::Field;
    return candidateLine(r.text(F::Concorrente), r.text(F::Responsabile), r.text(F::Email), r.text(F::Note),
                         r.text(F::Punteggio));
}

QString meritLine(qint64 rank, const QString &name, const QString &fiscalCode, const QString &notes,
                  const QString &score)
{
    // The rank followed by five spaces, cut to five characters (not trimmed).
    QString rankField = QString::number(rank) + QString(5, u' ');
    rankField.truncate(5);
    QString line;
    line.reserve(160);
    line += rankField;
    line += QLatin1String("  ");
    line += fitted(name, 35);
    line += QLatin1String("  C.F. ");
    line += fitted(fiscalCode, 16);
    line += QLatin1String("  Note: ");
    line += fitted(notes, 63);
    line += QLatin1String("  Punti: ");
    line += text::trimmed(score);
    return line;
}

} // namespace lines
