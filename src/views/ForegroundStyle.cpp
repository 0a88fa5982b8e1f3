#include "ForegroundStyle.h"

#include "Contrast.h"

#include <algorithm>

namespace {

qreal opacityFor(ForegroundStyle style)
{
    switch (style) {
    case ForegroundStyle::primary:
        return 1.0;
    case ForegroundStyle::secondary:
        return 0.64;
    case ForegroundStyle::tertiary:
        return 0.46;
    case ForegroundStyle::quaternary:
        return 0.3;
    }
    return 1.0;
}

// The weakest contrast each level keeps against the window: faint, but still read.
double minimumContrastFor(ForegroundStyle style)
{
    switch (style) {
    case ForegroundStyle::primary:
        return 0;
    case ForegroundStyle::secondary:
        return 4.5;
    case ForegroundStyle::tertiary:
        return 3.4;
    case ForegroundStyle::quaternary:
        return 3.0;
    }
    return 0;
}

QColor over(const QColor &top, qreal alpha, const QColor &bottom)
{
    return QColor::fromRgbF(top.redF() * alpha + bottom.redF() * (1 - alpha),
        top.greenF() * alpha + bottom.greenF() * (1 - alpha),
        top.blueF() * alpha + bottom.blueF() * (1 - alpha));
}

} // namespace

QColor foregroundColor(const QPalette &palette, ForegroundStyle style, QPalette::ColorRole role,
    QPalette::ColorGroup group)
{
    QColor color = palette.color(group, role);
    qreal alpha = color.alphaF() * opacityFor(style);
    // Measured on the window a little towards the text, the tone behind the activity
    // list, so it holds on both.
    const QColor window = palette.color(group, QPalette::Window);
    const QColor behind = over(palette.color(group, QPalette::WindowText), 0.05, window);
    const double minimum = group == QPalette::Disabled ? 0 : minimumContrastFor(style);
    while (alpha < 1 && Contrast::ratio(over(color, alpha, behind), behind) < minimum)
        alpha = std::min<qreal>(1, alpha + 0.02);
    color.setAlphaF(alpha);
    return color;
}
