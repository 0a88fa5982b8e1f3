#include "BeforeRowDelegate.h"

#include "FileCategory.h"
#include "ForegroundStyle.h"
#include "PreviewRoles.h"
#include "RowPainting.h"
#include "TextStyle.h"

#include <QPainter>

#include <algorithm>

BeforeRowDelegate::BeforeRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_font(textStyleFont(TextStyle::caption))
    , m_iconSize(std::min(categoryIconColumn, QFontMetrics(m_font).height()))
{ }

void BeforeRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The row's content sits above its share of the gap to the next row.
    const QRect line
        = option.rect.adjusted(horizontalPadding, 1, -horizontalPadding, -1 - rowSpacing);
    painter->save();
    drawCategoryLine(painter, line, FileCategory(index.data(PreviewRoles::category).toInt()),
        m_iconSize, m_font, foregroundColor(option.palette, ForegroundStyle::primary),
        index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize BeforeRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    const int content = std::max(QFontMetrics(m_font).height(), m_iconSize);
    return { 2 * horizontalPadding + categoryIconColumn + categoryIconSpacing,
        content + 2 + rowSpacing };
}
