#include "PlainListView.h"

#include "PlainItemView.h"

#include <QEvent>

PlainListView::PlainListView(QWidget *parent)
    : QListView(parent)
{
    makePlain(this);
    setViewportMargins(focusFrameWidth, 0, focusFrameWidth, 0);
}

void PlainListView::setVerticalPadding(int top, int bottom)
{
    setViewportMargins(focusFrameWidth, top, focusFrameWidth, bottom);
}

void PlainListView::focusInEvent(QFocusEvent *event)
{
    QListView::focusInEvent(event);
    update();
}

void PlainListView::focusOutEvent(QFocusEvent *event)
{
    QListView::focusOutEvent(event);
    update();
}

bool PlainListView::event(QEvent *event)
{
    const bool handled = QListView::event(event);
    // The frame goes around the rows, in the margins left for it, on this widget and
    // not on the scrolling viewport.
    if (event->type() == QEvent::Paint)
        paintFocusFrame(this);
    return handled;
}
