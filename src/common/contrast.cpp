#include "common/contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast
{
namespace
{
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor over(const QColor &translucent, const QColor &background)
{
    const QColor t = translucent.toRgb();
    const QColor b = background.toRgb();
    const double alpha = t.alphaF();
    auto mix = [alpha](double top, double under) { return top * alpha + under * (1 - alpha); };
    return QColor::fromRgbF(float(mix(t.redF(), b.redF())), float(mix(t.greenF(), b.greenF())),
                            float(mix(t.blueF(), b.blueF())));
}

double worstOverGradient(const QColor &text, const QColor &top, const QColor &bottom)
{
    // Sampled: a text colour between the two ends is worst somewhere inside.
    const QColor a = top.toRgb();
    const QColor b = bottom.toRgb();
    double worst = 21;
    constexpr int kSteps = 256;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = float(i) / kSteps;
        const QColor at =
            QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                             a.blueF() + (b.blueF() - a.blueF()) * t);
        worst = std::min(worst, ratio(text, at));
    }
    return worst;
}

QColor readableOn(const QColor &colour, const QColor &background, double minimum)
{
    QColor shade = colour.toHsl();
    const float hue = shade.hslHueF();
    const float saturation = shade.hslSaturationF();
    float lightness = shade.lightnessF();
    while (ratio(shade, background) < minimum && lightness > 0) {
        lightness = std::max(0.0f, lightness - 0.005f);
        shade = QColor::fromHslF(hue, saturation, lightness);
    }
    return shade.toRgb();
}

} // namespace contrast
