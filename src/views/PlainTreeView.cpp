#include "PlainTreeView.h"

#include <QHeaderView>

PlainTreeView::PlainTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
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

void PlainTreeView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    expandAll();
}

void PlainTreeView::setVerticalPadding(int top, int bottom)
{
    setViewportMargins(0, top, 0, bottom);
}
