#pragma once

#include <QString>

class QSvgRenderer;

// Pictures are parsed on first use and shared: start-up creates every long-lived
// window, but only the login window is drawn then.
namespace svgcache
{

// The renderer of a resource picture, kept for the whole run; never null (an
// unreadable picture gives an invalid renderer, which draws nothing).
QSvgRenderer *renderer(const QString &resource);

} // namespace svgcache
