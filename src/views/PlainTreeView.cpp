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
    setViewportMargins(0, top, 0, bottom);
}
