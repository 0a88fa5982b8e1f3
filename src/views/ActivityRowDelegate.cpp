#include "ActivityRowDelegate.h"

#include "ForegroundStyle.h"
#include "RowPainting.h"
#include "TextStyle.h"

#include <QAbstractItemView>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int wrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}

ActivityRowDelegate::ActivityRowDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
    , m_font(textStyleFont(TextStyle::caption))
{ }

int ActivityRowDelegate::textWidth() const
{
    return std::max(40, m_view->viewport()->width() - 2 * horizontalPadding);
}

void ActivityRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The gap to the previous row sits at the top of every row but the first.
    const int gap = index.row() == 0 ? 0 : rowSpacing;
    const QRect area(option.rect.left() + horizontalPadding, option.rect.top() + gap, textWidth(),
        option.rect.height() - gap);
    drawCurrentRowMark(painter, option);
    painter->save();
    painter->setFont(m_font);
    painter->setPen(foregroundColor(option.palette, ForegroundStyle::secondary));
    painter->drawText(area, wrapFlags, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize ActivityRowDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const QFontMetrics metrics(m_font);
    const QRect bounds = metrics.boundingRect(
        QRect(0, 0, textWidth(), 1 << 20), wrapFlags, index.data(Qt::DisplayRole).toString());
    const int gap = index.row() == 0 ? 0 : rowSpacing;
    return { textWidth() + 2 * horizontalPadding,
        std::max(bounds.height(), metrics.height()) + gap };
}
