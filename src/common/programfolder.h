#pragma once

#include <QString>

// The program folder: every file the program uses lives there. Always ends with
// the path separator, so a file's path is the folder followed by its name.
namespace programfolder
{

// The executable's folder with its trailing separator.
QString ofExecutable();

// Adds the trailing separator when missing.
QString normalised(const QString &folder);

inline const char *passwordStoreName()
{
    return "unins000.dll";
}
inline const char *manualName()
{
    return "Guida.pdf";
}
inline const char *exportName()
{
    return "Sessione_Esame.xls";
}

} // namespace programfolder
