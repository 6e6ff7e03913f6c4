#include "archive/backup.h"

#include "archive/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace backup
{

namespace
{

QString sessionOf(const QString &sessionPath)
{
    return catalogue::sessionName(QFileInfo(sessionPath).fileName());
}

// Streams the file into the copy in large blocks: a session may hold hundreds of
// megabytes. The copy appears whole or not at all.
bool copyFile(QFile &from, const QString &to)
{
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    constexpr qint64 kBlock = 1 << 20;
    for (;;) {
        block.resize(kBlock);
        const qint64 n = from.read(block.data(), kBlock);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (out.write(block.constData(), n) != n)
            return false;
    }
    return out.commit();
}

} // namespace

QString folderFor(const QString &sessionPath)
{
    return QFileInfo(sessionPath).absoluteDir().filePath(QStringLiteral("Backup"));
}

QString fileName(const QString &session, const QDateTime &when)
{
    return session + u' ' + when.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")) + catalogue::extension();
}

QStringList copiesOf(const QString &folder, const QString &session)
{
    const QRegularExpression pattern(QStringLiteral("^") + QRegularExpression::escape(session) +
                                     QStringLiteral(" \\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d\\.vai$"));
    QStringList copies;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries)
        if (pattern.match(entry).hasMatch())
            copies.append(entry);
    // Same session, same length: the names order by their time.
    std::sort(copies.begin(), copies.end(), std::greater<>());
    return copies;
}

Result copyNow(const QString &sessionPath, const QDateTime &when)
{
    QFile from(sessionPath);
    if (!from.exists() || from.size() == 0)
        return Result::Nothing;
    const QString folder = folderFor(sessionPath);
    if (!QDir().mkpath(folder) || !from.open(QIODevice::ReadOnly))
        return Result::Failed;
    const QString session = sessionOf(sessionPath);
    if (!copyFile(from, QDir(folder).filePath(fileName(session, when))))
        return Result::Failed;
    const QStringList copies = copiesOf(folder, session);
    for (qsizetype i = kKept; i < copies.size(); ++i)
        QFile::remove(QDir(folder).filePath(copies.at(i)));
    return Result::Copied;
}

Result Keeper::beforeWrite(const QString &sessionPath, const QDateTime &when)
{
    const QString key = QFileInfo(sessionPath).absoluteFilePath();
    if (m_done.contains(key))
        return Result::Nothing;
    const Result r = copyNow(sessionPath, when);
    if (r != Result::Failed)
        m_done.insert(key);
    return r;
}

Keeper &Keeper::thisRun()
{
    static Keeper keeper;
    return keeper;
}

} // namespace backup
