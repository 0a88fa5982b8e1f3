#include "PlainListView.h"

PlainListView::PlainListView(QWidget *parent)
    : QListView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::NoContextMenu);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
}

void PlainListView::setVerticalPadding(int top, int bottom)
{
    setViewportMargins(0, top, 0, bottom);
}
