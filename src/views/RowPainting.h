#pragma once

#include "FileCategory.h"

class QColor;
class QFont;
class QPainter;
class QRect;
class QString;

// The column a category's symbol is centred in at the start of a preview row, and the
// gap between it and the row's text.
constexpr int categoryIconColumn = 14;
constexpr int categoryIconSpacing = 6;

// `text` on one line, vertically centred in `rect`, cut with an ellipsis when too long.
void drawElidedLine(QPainter *painter, const QRect &rect, const QFont &font, const QColor &color,
    const QString &text);

// A category row: the category's coloured symbol of `iconSize` pixels in the icon column
// at the left of `line`, then `text` as drawElidedLine draws it.
void drawCategoryLine(QPainter *painter, const QRect &line, FileCategory category, int iconSize,
    const QFont &font, const QColor &color, const QString &text);
