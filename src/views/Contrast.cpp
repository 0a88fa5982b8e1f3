#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {
namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double first = luminance(a) + 0.05;
    const double second = luminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

QColor backgroundFor(const QColor &background, const QColor &text, double minimum)
{
    const bool darken = luminance(text) > luminance(background);
    const QColor hsl = background.toHsl();
    QColor candidate = background;
    for (int step = 0; step <= 100 && ratio(candidate, text) < minimum; ++step) {
        const double lightness
            = std::clamp(hsl.lightnessF() + (darken ? -0.01 : 0.01) * step, 0.0, 1.0);
        candidate
            = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness, background.alphaF())
                  .toRgb();
    }
    return candidate;
}

QColor shapeOn(const QColor &shape, const QColor &behind, double minimum)
{
    // The same search as for a background under text, with the shape as the one that moves.
    QColor opaque = shape;
    opaque.setAlphaF(1.0);
    return backgroundFor(opaque, behind, minimum);
}

QColor blend(const QColor &top, const QColor &bottom)
{
    const QColor a = top.toRgb();
    const QColor b = bottom.toRgb();
    const double alpha = a.alphaF();
    return QColor::fromRgbF(float(a.redF() * alpha + b.redF() * (1 - alpha)),
        float(a.greenF() * alpha + b.greenF() * (1 - alpha)),
        float(a.blueF() * alpha + b.blueF() * (1 - alpha)));
}

} // namespace Contrast
