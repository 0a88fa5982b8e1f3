#include "BeforeRowDelegate.h"

#include "CategoryIcons.h"
#include "FileCategory.h"
#include "ForegroundStyle.h"
#include "PreviewRoles.h"
#include "TextStyle.h"

#include <QPainter>

#include <algorithm>

BeforeRowDelegate::BeforeRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_font(textStyleFont(TextStyle::caption))
    , m_iconSize(std::min(iconColumn, QFontMetrics(m_font).height()))
{ }

void BeforeRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The row's content sits above its share of the gap to the next row.
    const QRect line
        = option.rect.adjusted(horizontalPadding, 1, -horizontalPadding, -1 - rowSpacing);
    const auto category = FileCategory(index.data(PreviewRoles::category).toInt());
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QPixmap icon = categoryIconPixmap(category, m_iconSize, ratio);
    const QRect iconRect(line.left() + (iconColumn - m_iconSize) / 2,
        line.top() + (line.height() - m_iconSize) / 2, m_iconSize, m_iconSize);
    painter->drawPixmap(iconRect, icon);

    const QRect textRect = line.adjusted(iconColumn + spacing, 0, 0, 0);
    const QFontMetrics metrics(m_font);
    painter->save();
    painter->setFont(m_font);
    painter->setPen(foregroundColor(option.palette, ForegroundStyle::primary));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        metrics.elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width()));
    painter->restore();
}

QSize BeforeRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    const int content = std::max(QFontMetrics(m_font).height(), m_iconSize);
    return { 2 * horizontalPadding + iconColumn + spacing, content + 2 + rowSpacing };
}
