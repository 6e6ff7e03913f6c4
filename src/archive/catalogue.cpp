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
    return programfolder::normalised(programFolder) + text::trimmed(entry);
}

QString countText(qsizetype count)
{
    return QStringLiteral("Sono state create %1 sessioni.").arg(count);
}

} // namespace catalogue
