#pragma once

#include <QString>

// The maker's name and addresses, shown on the start screen, in the information
// and splash windows, and in the manual.
namespace maker
{

inline QString name()
{
    return QStringLiteral("Laboratorio Sintarel");
}
inline QString webAddress()
{
    return QStringLiteral("https://www.sintarel.example.org");
}
inline QString webAddressShown()
{
    return QStringLiteral("www.sintarel.example.org");
}
inline QString emailAddress()
{
    return QStringLiteral("info@sintarel.example.org");
}
inline QString version()
{
    return QStringLiteral("1.0");
}
// The notice after " Sintarel - " in the splash window's caption.
inline QString notice()
{
    return QStringLiteral("Un programma del ") + name();
}

} // namespace maker
