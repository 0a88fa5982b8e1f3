#include "ForegroundStyle.h"

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

} // namespace

QColor foregroundColor(const QPalette &palette, ForegroundStyle style, QPalette::ColorRole role,
    QPalette::ColorGroup group)
{
    QColor color = palette.color(group, role);
    color.setAlphaF(color.alphaF() * opacityFor(style));
    return color;
}
