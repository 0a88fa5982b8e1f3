#include "RowPainting.h"

#include "CategoryIcons.h"
#include "Contrast.h"
#include "PreviewRoles.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QToolTip>

void drawElidedLine(QPainter *painter, const QRect &rect, const QFont &font, const QColor &color,
    const QString &text)
{
    painter->setFont(font);
    painter->setPen(color);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        QFontMetrics(font).elidedText(text, Qt::ElideRight, rect.width()));
}

void drawCategoryLine(QPainter *painter, const QRect &line, const QModelIndex &index, int iconSize,
    const QFont &font, const QColor &color)
{
    const QPixmap icon
        = categoryIconPixmap(FileCategory(index.data(PreviewRoles::category).toInt()),
            NamedColor(index.data(PreviewRoles::tint).toInt()), iconSize,
            painter->device()->devicePixelRatioF());
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->drawPixmap(QRect(line.left() + (categoryIconColumn - iconSize) / 2,
                            line.top() + (line.height() - iconSize) / 2, iconSize, iconSize),
        icon);
    drawElidedLine(painter, line.adjusted(categoryIconColumn + categoryIconSpacing, 0, 0, 0), font,
        color, text);
}

void drawCurrentRowMark(QPainter *painter, const QStyleOptionViewItem &option)
{
    if (!(option.state & QStyle::State_HasFocus))
        return;
    QColor band = option.palette.color(QPalette::Highlight);
    band.setAlphaF(0.16);
    // The outline marks the row for the keyboard: it must stand out from the band.
    const QColor outline
        = Contrast::shapeOn(band, Contrast::blend(band, option.palette.color(QPalette::Window)));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(outline, 1));
    painter->setBrush(band);
    painter->drawRoundedRect(QRectF(option.rect).adjusted(3.5, 0.5, -3.5, -0.5), 3, 3);
    painter->restore();
}

bool showCutTextTip(QHelpEvent *event, QAbstractItemView *view, const QRect &textRect,
    const QFont &font, const QString &text)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= textRect.width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), text, view->viewport(), textRect);
    return true;
}
