#pragma once

#include <QColor>

class QWidget;

// The focus colours of the editor's and the create-session window's fields: the
// field paints its own background, yellow while it has the focus and alice blue
// otherwise, always with a sky-blue outline.
namespace fieldhighlight
{

inline const QColor kFocused = QColor(0xFF, 0xFF, 0x00);
inline const QColor kUnfocused = QColor(0xF0, 0xF8, 0xFF);
inline const QColor kOutline = QColor(0x87, 0xCE, 0xEB);

// Gives the field its not-focused colours now and follows its focus from now on.
void install(QWidget *field);

// The background the field shows now.
QColor background(const QWidget *field);

} // namespace fieldhighlight
