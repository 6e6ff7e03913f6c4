#include "common/Gradient.h"

#include <QLinearGradient>
#include <QPainter>

void paintVerticalGradient(QPainter &painter, const QRect &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    painter.fillRect(rect, g);
}
