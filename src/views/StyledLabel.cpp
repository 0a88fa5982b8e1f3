#include "StyledLabel.h"

#include <QPainter>

StyledLabel::StyledLabel(
    const QString &text, TextStyle style, bool bold, ForegroundStyle foreground, QWidget *parent)
    : QLabel(parent)
    , m_foreground(foreground)
{
    setTextFormat(Qt::PlainText);
    setFont(textStyleFont(style, bold));
    setText(text);
}

void StyledLabel::setForegroundStyle(ForegroundStyle foreground)
{
    if (m_foreground == foreground)
        return;
    m_foreground = foreground;
    update();
}

QSize StyledLabel::minimumSizeHint() const
{
    // Room for an ellipsis only: the text gives way before the window does.
    const QMargins margins = contentsMargins();
    return { fontMetrics().horizontalAdvance(QStringLiteral("…")) + margins.left()
            + margins.right(),
        QLabel::sizeHint().height() };
}

void StyledLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(foregroundColor(palette(), m_foreground, foregroundRole(), group));
    painter.setFont(font());
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment()) | Qt::TextSingleLine, shown);
}
