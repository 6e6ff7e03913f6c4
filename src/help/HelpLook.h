#pragma once

#include <QRect>

class QDialog;
class QWidget;

// Pieces shared by the help, information and splash windows.
namespace helplook
{

// The white band a banner sits on.
QWidget *whiteBand(QWidget *parent, const QRect &geometry);

// Centres the window on the screen its owner is on (or the primary screen).
void centreOnScreen(QWidget *window);

// Centres the window on its owner window (on the screen when it has none).
void centreOnOwner(QWidget *window);

// Centres the window's frame on area.
void centreOn(QWidget *window, const QRect &area);

} // namespace helplook
