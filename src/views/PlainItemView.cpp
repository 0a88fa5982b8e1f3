#include "PlainItemView.h"

#include <QAbstractItemView>

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
