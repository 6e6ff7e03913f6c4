#include "access/passwordstore.h"

#include "access/crypt.h"
#include "common/programfolder.h"
#include "common/text.h"

#include <QFile>
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

// The value of key in section, exactly as the file holds it but for the blanks
// around it. QSettings would read "74,D4" as a list and cut "74D4;x" at the ";",
// turning a damaged store into a plausible password.
QString rawValue(const QByteArray &contents, QLatin1StringView section, QLatin1StringView key)
{
    bool inSection = false;
    for (const QByteArray &line : contents.split('\n')) {
        const QString text = text::trimmed(QString::fromLatin1(line));
        if (text.startsWith(u'[')) {
            inSection = text.endsWith(u']') && QStringView(text).mid(1, text.size() - 2).trimmed() == section;
            continue;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (inSection && equals > 0 && text::trimmed(text.left(equals)) == key)
            return text::trimmed(text.mid(equals + 1));
    }
    return QString();
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SintarelError(QStringLiteral("Impossibile leggere %1").arg(path));
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw SintarelError(QStringLiteral("Impossibile leggere %1").arg(path));
    const QString value = rawValue(contents, QLatin1StringView("Accesso"), QLatin1StringView("Valore"));
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
