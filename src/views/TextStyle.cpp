#include "TextStyle.h"

#include <QApplication>

#include <algorithm>

namespace {

// Ratios of the classic desktop type ramp to its 13-point body size, with the small
// styles kept a little larger: Linux body fonts are already smaller than 13 points.
qreal scaleFor(TextStyle style)
{
    switch (style) {
    case TextStyle::body:
    case TextStyle::headline:
        return 1.0;
    case TextStyle::title2:
        return 1.3;
    case TextStyle::title3:
        return 1.15;
    case TextStyle::caption:
        return 0.9;
    case TextStyle::caption2:
        return 0.84;
    }
    return 1.0;
}

} // namespace

QFont textStyleFont(TextStyle style, bool bold)
{
    const QFont base = QApplication::font();
    QFont font = base;
    const qreal scale = scaleFor(style);
    if (base.pointSizeF() > 0)
        font.setPointSizeF(std::max(7.0, base.pointSizeF() * scale));
    else if (base.pixelSize() > 0)
        font.setPixelSize(std::max(9, qRound(base.pixelSize() * scale)));
    if (bold || style == TextStyle::headline)
        font.setBold(true);
    return font;
}
