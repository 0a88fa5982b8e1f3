#include "Divider.h"

#include <QPainter>
#include <QVBoxLayout>

Divider::Divider(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void Divider::stack(QWidget *sheet, QWidget *header, QLayout *body, QWidget *footer)
{
    auto *column = new QVBoxLayout(sheet);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header);
    column->addWidget(new Divider(Qt::Horizontal, sheet));
    column->addLayout(body, 1);
    column->addWidget(new Divider(Qt::Horizontal, sheet));
    column->addWidget(footer);
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
