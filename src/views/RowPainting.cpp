#include "RowPainting.h"

#include "CategoryIcons.h"

#include <QFontMetrics>
#include <QPainter>

void drawElidedLine(QPainter *painter, const QRect &rect, const QFont &font, const QColor &color,
    const QString &text)
{
    painter->setFont(font);
    painter->setPen(color);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width()));
}

void drawCategoryLine(QPainter *painter, const QRect &line, FileCategory category, int iconSize,
    const QFont &font, const QColor &color, const QString &text)
{
    const QPixmap icon
        = categoryIconPixmap(category, iconSize, painter->device()->devicePixelRatioF());
    painter->drawPixmap(QRect(line.left() + (categoryIconColumn - iconSize) / 2,
                            line.top() + (line.height() - iconSize) / 2, iconSize, iconSize),
        icon);
    drawElidedLine(painter, line.adjusted(categoryIconColumn + categoryIconSpacing, 0, 0, 0), font,
        color, text);
}
