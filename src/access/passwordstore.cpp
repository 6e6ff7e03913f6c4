#include "access/passwordstore.h"

#include "access/crypt.h"
#include "common/programfolder.h"
#include "common/text.h"

#include <QFileInfo>
#include <QSettings>

namespace passwordstore
{

namespace
{
const QString kKey = QStringLiteral("Accesso/Valore");

QString storePath(const QString &folder)
{
    return programfolder::normalised(folder) + QLatin1String(programfolder::passwordStoreName());
}
} // namespace

QString read(const QString &programFolder)
{
    const QString path = storePath(programFolder);
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (!info.isFile() || !info.isReadable())
        throw SintarelError(QStringLiteral("Impossibile leggere %1").arg(path));
    QSettings store(path, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        throw SintarelError(QStringLiteral("Impossibile leggere %1").arg(path));
    const QString value = store.value(kKey).toString();
    return text::trimmed(Crypt::Decrypt(value));
}

void write(const QString &programFolder, const QString &password)
{
    const QString path = storePath(programFolder);
    QSettings store(path, QSettings::IniFormat);
    store.setValue(kKey, Crypt::Encrypt(password));
    store.sync();
    if (store.status() != QSettings::NoError)
        throw SintarelError(QStringLiteral("Impossibile scrivere %1").arg(path));
    // QSettings keeps an unwritable file's old value without always saying so.
    QSettings check(path, QSettings::IniFormat);
    if (check.value(kKey).toString() != Crypt::Encrypt(password))
        throw SintarelError(QStringLiteral("Impossibile scrivere %1").arg(path));
}

QString normalise(const QString &typed)
{
    return text::trimmed(text::upperAZ(typed));
}

bool storable(const QString &password)
{
    for (QChar c : password) {
        if (c.unicode() > 255)
            return false;
    }
    return true;
}

} // namespace passwordstore
