#pragma once

class QAbstractItemView;
class QColor;
class QFont;
class QHelpEvent;
class QModelIndex;
class QPainter;
class QRect;
class QString;
class QStyleOptionViewItem;

// The column a category's symbol is centred in at the start of a preview row, and the
// gap between it and the row's text.
constexpr int categoryIconColumn = 14;
constexpr int categoryIconSpacing = 6;

// `text` on one line, vertically centred in `rect`, cut with an ellipsis when too long.
void drawElidedLine(QPainter *painter, const QRect &rect, const QFont &font, const QColor &color,
    const QString &text);

// A category row of a preview list: the symbol of `index`'s category, in its tint, of
// `iconSize` pixels in the icon column at the left of `line`, then its text as
// drawElidedLine draws it.
void drawCategoryLine(QPainter *painter, const QRect &line, const QModelIndex &index, int iconSize,
    const QFont &font, const QColor &color);

// Where a focused list's current row is: a tinted band in the accent colour behind the
// row, drawn before its content.
void drawCurrentRowMark(QPainter *painter, const QStyleOptionViewItem &option);

// The full text as a tooltip, when `textRect` cuts it; false when it fits (no tooltip).
bool showCutTextTip(QHelpEvent *event, QAbstractItemView *view, const QRect &textRect,
    const QFont &font, const QString &text);
