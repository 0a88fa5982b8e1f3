#include "SymbolView.h"

#include "Symbols.h"

#include <QPainter>

SymbolView::SymbolView(
    const QString &symbolName, TextStyle style, ForegroundStyle foreground, QWidget *parent)
    : QWidget(parent)
    , m_symbolName(symbolName)
    , m_foreground(foreground)
{
    setFont(textStyleFont(style));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SymbolView::setTint(const QColor &tint)
{
    m_tint = tint;
    update();
}

QSize SymbolView::sizeHint() const
{
    // A symbol is about as tall as the capitals and descenders of its text style.
    const int side = qRound(fontMetrics().height() * 0.95);
    return { side, side };
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    Symbols::icon(
        m_symbolName, m_tint.isValid() ? m_tint : foregroundColor(palette(), m_foreground))
        .paint(&painter, square);
}
