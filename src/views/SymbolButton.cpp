#include "SymbolButton.h"

#include "Contrast.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

SymbolButton::SymbolButton(QWidget *parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
}

QColor SymbolButton::focusRingColor() const
{
    return Contrast::shapeOn(
        palette().color(QPalette::Highlight), palette().color(QPalette::Window));
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!hasFocus())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(focusRingColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}
