#pragma once

#include <QColor>

class QLabel;
class QRect;
class QWidget;

// A pale rounded plate behind a label's text, so a text over a gradient keeps
// its contrast wherever the gradient puts it (as the splash window's link does).
namespace textplate
{

// The plate's colour: white, a touch of blue to sit with the gradients.
inline const QColor kPlate{0xF7, 0xFA, 0xFD};

// The text keeps its colour, or takes the nearest darker shade reaching 4.5:1 on the plate.
void put(QLabel *label, const QColor &text);

// The text's colour on the plate: its own, or the nearest darker shade reaching 4.5:1.
QColor onPlate(const QColor &text);

// A bare plate, beneath the parent's later children, for a group of controls
// (check boxes) whose words then take onPlate() colours.
QWidget *behind(QWidget *parent, const QRect &geometry);

} // namespace textplate
