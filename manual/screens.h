#pragma once

#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

// Pictures of the program's windows for the manual, taken from the real windows
// over a temporary program folder holding two sample sessions. A window that
// can't be shown or pictured is left out: the manual is still written.
namespace screens
{

// Takes the pictures and saves each as <folder>/<name>.png as soon as it is
// taken. Names: login, avvio, crea, elenco, editor, export, selezione, merito,
// guida, info, splash.
void grabAll(const QString &folder);

// The pictures found in folder.
QMap<QString, QImage> load(const QString &folder);

} // namespace screens
