#include "PlainItemView.h"

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
    painter.setPen(QPen(view->palette().color(QPalette::Highlight), focusFrameWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = focusFrameWidth / 2.0;
    painter.drawRoundedRect(QRectF(view->rect()).adjusted(inset, inset, -inset, -inset), 3, 3);
}
