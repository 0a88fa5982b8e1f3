#include "PlainTreeView.h"

#include "PlainItemView.h"

#include <QHeaderView>

PlainTreeView::PlainTreeView(QWidget *parent)
    : QTreeView(parent)
{
    makePlain(this);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
}

void PlainTreeView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    expandAll();
}

void PlainTreeView::setVerticalPadding(int top, int bottom)
{
    m_topPadding = top;
    m_bottomPadding = bottom;
    setViewportMargins(0, top, 0, bottom);
}

void PlainTreeView::updateGeometries()
{
    QTreeView::updateGeometries();
    if (viewportMargins() != QMargins(0, m_topPadding, 0, m_bottomPadding))
        setViewportMargins(0, m_topPadding, 0, m_bottomPadding);
}

void PlainTreeView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    paintFocusFrame(this);
}

void PlainTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void PlainTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void PlainTreeView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    // Scrolling moves the painted pixels, the frame with them: draw it afresh.
    if (hasFocus())
        viewport()->update();
}
