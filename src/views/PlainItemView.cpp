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
    QPainter painter(view->viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(view->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(view->viewport()->rect()).adjusted(1, 1, -1, -1), 3, 3);
}
