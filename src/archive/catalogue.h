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

// Program folder + trimmed entry.
QString sessionPath(const QString &programFolder, const QString &entry);

// "Sono state create N sessioni."
QString countText(qsizetype count);

} // namespace catalogue
