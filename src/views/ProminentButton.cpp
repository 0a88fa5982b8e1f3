#include "ProminentButton.h"

#include "Contrast.h"

#include <QApplication>
#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr qreal cornerRadius = 4;

// A shade of `fill` a step further from `text` in lightness: the hovered and pressed
// looks, which so read at least as well as the plain one.
QColor awayFrom(const QColor &fill, const QColor &text, qreal step)
{
    const QColor hsl = fill.toHsl();
    const qreal direction = text.lightnessF() > hsl.lightnessF() ? -1 : 1;
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(),
        std::clamp(hsl.lightnessF() + direction * step, 0.0, 1.0))
        .toRgb();
}

} // namespace

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

QColor ProminentButton::paintedFill() const
{
    const QColor fill = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    if (isDown())
        return awayFrom(fill, text, 0.08);
    if (underMouse())
        return awayFrom(fill, text, 0.04);
    return fill;
}

void ProminentButton::paintEvent(QPaintEvent *event)
{
    // The style's own look (a gradient, lighter than the colour chosen for contrast)
    // is kept only for the disabled state, which must look like any disabled button.
    if (!isEnabled()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paintedFill());
    painter.drawRoundedRect(frame, cornerRadius, cornerRadius);

    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButtonLabel, option);

    // Keyboard focus: a ring along the edge of the fill, clear of the label (and of
    // the marks above capitals such as the "Ä" of "Ändern").
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            frame.adjusted(1.25, 1.25, -1.25, -1.25), cornerRadius - 1, cornerRadius - 1);
    }
}
