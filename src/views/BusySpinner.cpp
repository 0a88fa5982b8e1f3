#include "BusySpinner.h"

#include <QPainter>
#include <QTimerEvent>

namespace {
constexpr int spokeCount = 8;
}

BusySpinner::BusySpinner(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
    setAccessibleName(tr("Working"));
}

void BusySpinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    // Drawn at about two thirds of the frame, like a small control-size spinner.
    const qreal outer = std::min(width(), height()) * 0.5 * 0.9;
    const qreal inner = outer * 0.45;
    QColor color = palette().color(QPalette::WindowText);
    for (int i = 0; i < spokeCount; ++i) {
        const int age = (m_step - i + spokeCount) % spokeCount;
        color.setAlphaF(1.0 - age * (0.8 / spokeCount));
        painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.save();
        painter.rotate(i * 360.0 / spokeCount);
        painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
        painter.restore();
    }
}

void BusySpinner::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_step = (m_step + 1) % spokeCount;
    update();
}

void BusySpinner::showEvent(QShowEvent *event)
{
    m_timer.start(90, this);
    QWidget::showEvent(event);
}

void BusySpinner::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}
