#pragma once

#include <QImage>
#include <QMap>
#include <QString>

// Pictures of the program's windows for the manual, taken from the real windows
// over a temporary program folder holding two sample sessions. A window that
// can't be shown or pictured is left out: the manual is still written.
namespace screens
{

// Picture name -> picture. Names: login, avvio, crea, elenco, editor, export,
// selezione, merito, guida, info, splash.
QMap<QString, QImage> grabAll();

} // namespace screens
