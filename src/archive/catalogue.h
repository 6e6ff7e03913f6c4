#pragma once

#include <QString>
#include <QStringList>

// The sessions of the program folder: its own files named "*.vai" (any letter
// case, no subfolders).
namespace catalogue
{

inline QString extension()
{
    return QStringLiteral(".vai");
}

// File names with their extension, in sorted-list order. A listing error returns
// what was collected so far.
QStringList sessionFiles(const QString &programFolder);

// The session name of a list entry: the entry without its last four characters.
QString sessionName(const QString &entry);

// Program folder + entry, untrimmed: entries are file names.
QString sessionPath(const QString &programFolder, const QString &entry);

// "Sono state create N sessioni."
QString countText(qsizetype count);

// The characters the name field refuses when typed: " * / : < > ? \ ° Ç Ñ ç ñ.
bool keyRefused(QChar c);

// Why a (trimmed) session name cannot become a file in the folder.
enum class NameProblem {
    None,
    Empty,
    Characters, // a refused character, a path separator or a control character
    Reserved,   // a device name the systems reserve (CON, NUL, COM1, ...)
    TooLong,    // the file name or the full path goes beyond the system's limits
};

NameProblem checkName(const QString &programFolder, const QString &name);

// The warning for a problem (empty for None and Empty, which have their own).
QString problemText(NameProblem problem);

// Whether the session already exists. Names that differ only in letter case are
// the same session on every file system, as on the systems the program is made
// for: "prova" finds "Prova.vai" and "PROVA.VAI".
bool sessionExists(const QString &programFolder, const QString &name);

// Creates the session file empty. Never replaces an existing file. Throws
// SintarelError with the system's reason when the file cannot be created.
void createSession(const QString &path);

// Deletes a session file for good; false when it could not be deleted.
bool deleteSession(const QString &path);

} // namespace catalogue
