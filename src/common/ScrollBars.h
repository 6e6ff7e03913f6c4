#pragma once

#include <QColor>

class QAbstractScrollArea;
class QScrollBar;

// Scroll bars that plainly show that there is more to see: a dark thumb on a
// pale groove (at least 3:1 between them), whatever the desktop's style.
namespace scrollbars
{

inline const QColor kThumb{0x4A, 0x6A, 0x8C};
inline const QColor kGroove{0xE4, 0xEA, 0xF0};
inline const QColor kButtons{0xC8, 0xD3, 0xDE};

void makePlain(QScrollBar *bar);
void makePlain(QAbstractScrollArea *area);

} // namespace scrollbars
