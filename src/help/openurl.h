#pragma once

#include <QString>
#include <QUrl>

class DesktopShell;

// The desktop's "open" for a document path, a web address or a mail link, as
// the program's windows write them: often enclosed in double quotes, as a
// command line would need for a path with blanks.
class TMisc
{
public:
    // Hands sCommand to the desktop. Whatever happens next (a viewer, a browser,
    // a mail program, or the desktop's own complaint) is none of the program's
    // business: nothing is reported back.
    static void Open(DesktopShell &shell, const QString &sCommand);

    // What the desktop is given for sCommand: a local path becomes a file URL,
    // a web address or a mail link a URL of its own scheme. Invalid when
    // sCommand holds nothing to open.
    static QUrl urlFor(const QString &sCommand);
};

// The texts the help, information and splash windows hand to TMisc::Open.
namespace helplinks
{

// The manual "Guida.pdf" in the program folder (which ends with its separator),
// enclosed in double quotes.
QString manualCommand(const QString &programFolder);

// The mail link to the maker, subject and body as they are (blanks stay blanks).
QString mailLink(const QString &emailAddress);

// The mail link enclosed in double quotes.
QString mailCommand(const QString &emailAddress);

} // namespace helplinks
