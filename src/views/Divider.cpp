#include "Divider.h"

#include <QPainter>

Divider::Divider(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QSize Divider::sizeHint() const
{
    return { 1, 1 };
}

void Divider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor color = palette().color(QPalette::WindowText);
    color.setAlphaF(0.16);
    painter.fillRect(rect(), color);
}
