#pragma once

#include <QColor>

// Legibility of a colour pair as the WCAG define it: the relative luminance of
// each colour (sRGB, linearised) and the ratio (L1 + 0.05) / (L2 + 0.05), from
// 1:1 (same colour) to 21:1 (black on white). Body text wants 4.5:1, large
// text and graphical parts (a scroll bar's thumb) 3:1.
namespace contrast
{

double relativeLuminance(const QColor &colour);

// Symmetric: the order of the two colours does not matter.
double ratio(const QColor &a, const QColor &b);

// The colour a translucent one shows over an opaque background.
QColor over(const QColor &translucent, const QColor &background);

// The worst ratio of a text colour against any point of a two-colour gradient.
double worstOverGradient(const QColor &text, const QColor &top, const QColor &bottom);

// The colour itself when it reaches the minimum on the background, else the
// nearest darker shade of it (same hue and saturation, less lightness) that does.
QColor readableOn(const QColor &colour, const QColor &background, double minimum = 4.5);

} // namespace contrast
