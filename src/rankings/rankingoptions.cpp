#include "rankings/rankingoptions.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace
{
const QString kSection = QStringLiteral("Graduatorie");
const QString kYoungerFirst = QStringLiteral("PrecedenzaPiuGiovane");
const QString kExAequo = QStringLiteral("ExAequo");
const QString kPublication = QStringLiteral("StampaPubblicazione");

QString iniPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(RankingOptions::fileName());
}
} // namespace

RankingOptions RankingOptions::load(const QString &programFolder)
{
    RankingOptions options;
    const QString path = iniPath(programFolder);
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return options;
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return options;
    ini.beginGroup(kSection);
    options.youngerFirst = ini.value(kYoungerFirst, false).toBool();
    options.exAequo = ini.value(kExAequo, false).toBool();
    options.publication = ini.value(kPublication, false).toBool();
    return options;
}

bool RankingOptions::save(const QString &programFolder) const
{
    QSettings ini(iniPath(programFolder), QSettings::IniFormat);
    ini.beginGroup(kSection);
    ini.setValue(kYoungerFirst, youngerFirst);
    ini.setValue(kExAequo, exAequo);
    ini.setValue(kPublication, publication);
    ini.endGroup();
    ini.sync();
    return ini.status() == QSettings::NoError;
}
