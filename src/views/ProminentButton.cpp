#include "ProminentButton.h"

#include "Contrast.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

ProminentButton::ProminentButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    applyFill();
}

void ProminentButton::applyFill()
{
    // Only the enabled groups: a disabled prominent button must still look disabled.
    m_applying = true;
    QPalette palette = QApplication::palette(this);
    for (const auto group : { QPalette::Active, QPalette::Inactive }) {
        const QColor text = palette.color(group, QPalette::HighlightedText);
        palette.setColor(group, QPalette::Button,
            Contrast::backgroundFor(palette.color(group, QPalette::Highlight), text));
        palette.setColor(group, QPalette::ButtonText, text);
    }
    setPalette(palette);
    m_applying = false;
}

void ProminentButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    // A new application palette (a switch to a dark theme) brings a new accent.
    if (event->type() == QEvent::ApplicationPaletteChange && !m_applying)
        applyFill();
}

void ProminentButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus() || !isEnabled())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::ButtonText), 1.5);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
}
