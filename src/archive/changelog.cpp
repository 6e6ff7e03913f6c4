#include "archive/changelog.h"

#include "editor/editortexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace changelog
{

namespace
{

QString valueOf(const TScheda &record, TScheda::Field field)
{
    return field == TScheda::Field::Completato ? record.flagText() : record.text(field);
}

QString line(const QString &time, qint64 number, TScheda::Field field, const QString &before,
             const QString &after)
{
    return time + u'\t' + QString::number(number) + u'\t' + caption(field) + u'\t' + escaped(before) + u'\t' +
           escaped(after);
}

} // namespace

QString newRecordMark()
{
    return QStringLiteral("(nuova scheda)");
}

QString logPath(const QString &sessionPath)
{
    const QFileInfo info(sessionPath);
    const QString name = info.fileName();
    const QString base = name.endsWith(QStringLiteral(".vai"), Qt::CaseInsensitive) ? name.chopped(4) : name;
    return info.dir().filePath(base + QStringLiteral(".log"));
}

QString caption(TScheda::Field field)
{
    using namespace editortexts;
    using F = TScheda::Field;
    switch (field) {
    case F::Concorrente:
        return kCaptionConcorrente.chopped(1);
    case F::Responsabile:
        return kCaptionResponsabile.chopped(1);
    case F::Telefono:
        return kCaptionTelefono.chopped(1);
    case F::Email:
        return kCaptionEmail.chopped(1);
    case F::Gare:
        return kCaptionGare;
    case F::Punteggio:
        return kCaptionPunteggio.chopped(1);
    case F::Note:
        return kCaptionNote.chopped(1);
    case F::Completato:
        return kCaptionCompletato;
    }
    return QString();
}

QString escaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\r' || c == u'\n') {
            out += QStringLiteral("\\n");
            if (c == u'\r' && i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString timestamp(const QDateTime &when)
{
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODate);
}

QStringList changeLines(const QDateTime &when, qint64 number, const TScheda &before, const TScheda &after)
{
    const QString time = timestamp(when);
    QStringList lines;
    for (TScheda::Field f : differingFields(before, after))
        lines.append(line(time, number, f, valueOf(before, f), valueOf(after, f)));
    return lines;
}

QStringList newRecordLines(const QDateTime &when, qint64 number, const TScheda &record)
{
    const QString time = timestamp(when);
    QStringList lines;
    for (TScheda::Field f : kAllFields) {
        const QString value = valueOf(record, f);
        if (!value.isEmpty())
            lines.append(line(time, number, f, newRecordMark(), value));
    }
    return lines;
}

bool append(const QString &sessionPath, const QStringList &lines)
{
    if (lines.isEmpty())
        return true;
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toUtf8() + '\n';
    QFile log(logPath(sessionPath));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (log.write(bytes) != bytes.size() || !log.flush())
        return false;
#ifdef Q_OS_UNIX
    if (::fsync(log.handle()) != 0)
        return false;
#endif
    log.close();
    return log.error() == QFileDevice::NoError;
}

bool logChange(const QString &sessionPath, const QDateTime &when, qint64 number, const TScheda &before,
               const TScheda &after)
{
    return append(sessionPath, changeLines(when, number, before, after));
}

bool logNewRecords(const QString &sessionPath, const QDateTime &when, qint64 firstNumber,
                   const QList<TScheda> &records)
{
    QStringList lines;
    for (qsizetype i = 0; i < records.size(); ++i)
        lines += newRecordLines(when, firstNumber + i, records.at(i));
    return append(sessionPath, lines);
}

} // namespace changelog
