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
