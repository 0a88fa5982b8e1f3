#include "PlainListView.h"

#include "PlainItemView.h"

PlainListView::PlainListView(QWidget *parent)
    : QListView(parent)
{
    makePlain(this);
}

void PlainListView::setVerticalPadding(int top, int bottom)
{
    setViewportMargins(0, top, 0, bottom);
}

void PlainListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    paintFocusFrame(this);
}

void PlainListView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    viewport()->update();
}

void PlainListView::focusOutEvent(QFocusEvent *event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

void PlainListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    // Scrolling moves the painted pixels, the frame with them: draw it afresh.
    if (hasFocus())
        viewport()->update();
}
