#include "PlainTreeView.h"

#include "PlainItemView.h"

#include <QEvent>

#include <QHeaderView>

PlainTreeView::PlainTreeView(QWidget *parent)
    : QTreeView(parent)
{
    makePlain(this);
    setViewportMargins(focusFrameWidth, 0, focusFrameWidth, 0);
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
    setViewportMargins(focusFrameWidth, top, focusFrameWidth, bottom);
}

void PlainTreeView::updateGeometries()
{
    QTreeView::updateGeometries();
    if (viewportMargins()
        != QMargins(focusFrameWidth, m_topPadding, focusFrameWidth, m_bottomPadding))
        setViewportMargins(focusFrameWidth, m_topPadding, focusFrameWidth, m_bottomPadding);
}

void PlainTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    update();
}

void PlainTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    update();
}

bool PlainTreeView::event(QEvent *event)
{
    const bool handled = QTreeView::event(event);
    // The frame goes around the rows, in the margins left for it, on this widget and
    // not on the scrolling viewport.
    if (event->type() == QEvent::Paint)
        paintFocusFrame(this);
    return handled;
}
