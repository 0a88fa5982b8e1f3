#include "BeforeRowDelegate.h"

#include "ForegroundStyle.h"
#include "PreviewRoles.h"
#include "RowPainting.h"
#include "TextStyle.h"
#include "model/FileCategory.h"

#include <QHelpEvent>
#include <QPainter>

#include <algorithm>

BeforeRowDelegate::BeforeRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_font(textStyleFont(TextStyle::caption))
    , m_iconSize(std::min(categoryIconColumn, QFontMetrics(m_font).height()))
{ }

namespace {

// The row's content sits above its share of the gap to the next row.
QRect lineRect(const QStyleOptionViewItem &option)
{
    return option.rect.adjusted(BeforeRowDelegate::horizontalPadding, 1,
        -BeforeRowDelegate::horizontalPadding, -1 - BeforeRowDelegate::rowSpacing);
}

} // namespace

void BeforeRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect line = lineRect(option);
    drawCurrentRowMark(painter, option);
    painter->save();
    drawCategoryLine(painter, line, index, m_iconSize, m_font,
        foregroundColor(option.palette, ForegroundStyle::primary));
    painter->restore();
}

bool BeforeRowDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    return showCutTextTip(event, view,
        lineRect(option).adjusted(categoryIconColumn + categoryIconSpacing, 0, 0, 0), m_font,
        index.data(Qt::DisplayRole).toString());
}

QSize BeforeRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    const int content = std::max(QFontMetrics(m_font).height(), m_iconSize);
    return { 2 * horizontalPadding + categoryIconColumn + categoryIconSpacing,
        content + 2 + rowSpacing };
}
