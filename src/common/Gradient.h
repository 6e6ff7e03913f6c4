#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The vertical two-colour background of every window.
void paintVerticalGradient(QPainter &painter, const QRect &rect, const QColor &top, const QColor &bottom);
