#include "archive/catalogue.h"

#include "common/programfolder.h"
#include "common/text.h"

#include <QDirIterator>

namespace catalogue
{

QStringList sessionFiles(const QString &programFolder)
{
    QStringList names;
    QDirIterator it(programFolder, {QStringLiteral("*.vai")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    text::sortLines(names);
    return names;
}

QString sessionName(const QString &entry)
{
    return entry.left(std::max<qsizetype>(0, entry.size() - 4));
}

QString sessionPath(const QString &programFolder, const QString &entry)
{
    // The entry is the file's very name: " Prova.vai" and "Prova.vai" are two sessions.
    return programfolder::normalised(programFolder) + entry;
}

QString countText(qsizetype count)
{
    return QStringLiteral("Sono state create %1 sessioni.").arg(count);
}

} // namespace catalogue

#include "common/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace catalogue
{

bool keyRefused(QChar c)
{
    static const QString refused = QStringLiteral("\"*/:<>?\\\u00b0\u00c7\u00d1\u00e7\u00f1");
    return refused.contains(c);
}

namespace
{

bool isReservedDevice(const QString &name)
{
    // The systems the program is made for reserve these names whatever follows
    // the first dot, in any letter case.
    QString base = name.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList fixed = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (fixed.contains(base))
        return true;
    if (base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return base.at(3) >= u'1' && base.at(3) <= u'9';
    return false;
}

qint64 systemLimit(const QString &folder, bool wholePath)
{
#ifdef Q_OS_UNIX
    const QByteArray f = QFile::encodeName(folder);
    const long v = ::pathconf(f.constData(), wholePath ? _PC_PATH_MAX : _PC_NAME_MAX);
    if (v > 0)
        return wholePath ? v - 1 : v; // PATH_MAX counts the terminating NUL
#else
    Q_UNUSED(folder);
#endif
    return wholePath ? 259 : 255;
}

} // namespace

NameProblem checkName(const QString &programFolder, const QString &name)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    for (QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127 || keyRefused(c) || c == QDir::separator())
            return NameProblem::Characters;
    }
    if (isReservedDevice(name))
        return NameProblem::Reserved;
    const QString fileName = name + extension();
    const QString path = sessionPath(programFolder, fileName);
    const qint64 nameBytes = QFile::encodeName(fileName).size();
    if (fileName.size() > 255 || nameBytes > systemLimit(programFolder, false) ||
        QFile::encodeName(path).size() > systemLimit(programFolder, true))
        return NameProblem::TooLong;
    return NameProblem::None;
}

QString problemText(NameProblem problem)
{
    switch (problem) {
    case NameProblem::Characters:
        return QStringLiteral("Attenzione: il nome della sessione non può contenere i caratteri "
                              "\" * / : < > ? \\ \u00b0 \u00c7 \u00d1 \u00e7 \u00f1 n\u00e9 caratteri di "
                              "controllo.\r\n\r\nInserire un nome diverso.");
    case NameProblem::Reserved:
        return QStringLiteral("Attenzione: il nome della sessione indicato \u00e8 riservato al sistema "
                              "operativo (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9).\r\n\r\n"
                              "Inserire un nome diverso.");
    case NameProblem::TooLong:
        return QStringLiteral("Attenzione: il nome della sessione indicato \u00e8 troppo lungo per il "
                              "sistema operativo.\r\n\r\nInserire un nome pi\u00f9 breve.");
    case NameProblem::None:
    case NameProblem::Empty:
        break;
    }
    return QString();
}

bool sessionExists(const QString &programFolder, const QString &name)
{
    const QString fileName = name + extension();
    if (QFileInfo::exists(sessionPath(programFolder, fileName)))
        return true;
    const QStringList entries =
        QDir(programFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void createSession(const QString &path)
{
    QFile file(path);
    // NewOnly: an existing file is never truncated, even one that appeared a
    // moment ago.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw SintarelError(
            QStringLiteral("Impossibile creare il file \"%1\". %2").arg(path, file.errorString()));
    file.close();
}

bool deleteSession(const QString &path)
{
    return QFile::remove(path);
}

} // namespace catalogue
