#include "PlainItemView.h"

#include "Contrast.h"

#include <QAbstractItemView>
#include <QPainter>

void makePlain(QAbstractItemView *view)
{
    view->setFrameShape(QFrame::NoFrame);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setFocusPolicy(Qt::TabFocus);
    view->setAutoFillBackground(false);
    view->viewport()->setAutoFillBackground(false);
}

void paintFocusFrame(QAbstractItemView *view)
{
    if (!view->hasFocus())
        return;
    QPainter painter(view);
    painter.setRenderHint(QPainter::Antialiasing);
    // The view is drawn over its parent's window colour; the accent, in a dark palette
    // often too close to it, is shifted until the frame is seen (3:1).
    const QPalette &palette = view->palette();
    painter.setPen(
        QPen(Contrast::shapeOn(palette.color(QPalette::Highlight), palette.color(QPalette::Window)),
            focusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = focusFrameWidth / 2.0;
    painter.drawRoundedRect(QRectF(view->rect()).adjusted(inset, inset, -inset, -inset), 3, 3);
}
