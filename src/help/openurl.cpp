#include "help/openurl.h"

#include "common/desktopshell.h"
#include "common/programfolder.h"
#include "common/text.h"

#include <QDir>
#include <QRegularExpression>

namespace
{

const QChar kQuote = QLatin1Char('"');

QString unquoted(const QString &command)
{
    QString s = text::trimmed(command);
    if (s.size() >= 2 && s.startsWith(kQuote) && s.endsWith(kQuote))
        s = text::trimmed(s.mid(1, s.size() - 2));
    return s;
}

bool isWindowsPath(const QString &s)
{
    // "C:\..." or "C:/..." (drive letter) and "\\server\share" (network path).
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return drive.match(s).hasMatch() || s.startsWith(QStringLiteral("\\\\"));
}

} // namespace

QUrl TMisc::urlFor(const QString &sCommand)
{
    const QString s = unquoted(sCommand);
    if (s.isEmpty())
        return QUrl();
    if (s.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(s);
    if (isWindowsPath(s))
        return QUrl::fromLocalFile(QString(s).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (s.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + s, QUrl::TolerantMode);
    // A scheme of one letter would be a drive; those are handled above.
    const QUrl url(s, QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    // Anything else is a path relative to the working folder.
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(s));
}

void TMisc::Open(DesktopShell &shell, const QString &sCommand)
{
    const QUrl url = urlFor(sCommand);
    if (url.isValid() && !url.isEmpty())
        shell.open(url);
}

namespace helplinks
{

QString manualCommand(const QString &programFolder)
{
    return kQuote + programFolder + QString::fromLatin1(programfolder::manualName()) + kQuote;
}

QString mailLink(const QString &emailAddress)
{
    return QStringLiteral("mailto:") + emailAddress + QStringLiteral("?subject=") +
           QStringLiteral("Software Sintarel") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

QString mailCommand(const QString &emailAddress)
{
    return kQuote + mailLink(emailAddress) + kQuote;
}

} // namespace helplinks
