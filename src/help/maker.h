#pragma once

#include <QString>

// The maker's addresses, shown on the start screen and in the information window.
namespace maker
{

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
    return QStringLiteral("assistenza@sintarel.example.org");
}

} // namespace maker
