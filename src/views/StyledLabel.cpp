#include "StyledLabel.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>

namespace {

QTextOption wrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

StyledLabel::StyledLabel(
    const QString &text, TextStyle style, bool bold, ForegroundStyle foreground, QWidget *parent)
    : QLabel(parent)
    , m_foreground(foreground)
{
    setTextFormat(Qt::PlainText);
    setFont(textStyleFont(style, bold));
    setText(text);
}

void StyledLabel::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
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

int StyledLabel::heightForWidth(int width) const
{
    if (!wordWrap())
        return QLabel::heightForWidth(width);
    const QMargins margins = contentsMargins();
    const qreal textWidth = std::max(1, width - margins.left() - margins.right());
    QTextLayout layout(text(), font());
    layout.setTextOption(wrapping(alignment()));
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(textWidth);
        height += line.height();
    }
    layout.endLayout();
    return std::max(qCeil(height), fontMetrics().height()) + margins.top() + margins.bottom();
}

void StyledLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(m_color.isValid()
            ? m_color
            : foregroundColor(palette(), m_foreground, foregroundRole(), group));
    painter.setFont(font());
    const QRect area = contentsRect();
    if (wordWrap()) {
        painter.drawText(QRectF(area), text(), wrapping(alignment()));
        return;
    }
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment()) | Qt::TextSingleLine, shown);
}
