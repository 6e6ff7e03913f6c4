#include "common/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace programfolder
{

QString normalised(const QString &folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(u'/'))
        f.append(u'/');
    return f;
}

QString ofExecutable()
{
    return normalised(QCoreApplication::applicationDirPath());
}

} // namespace programfolder
