#include "FolderBadge.h"

#include "Contrast.h"
#include "Symbols.h"
#include "TextStyle.h"

#include <QFontMetrics>
#include <QPainter>

FolderBadge::FolderBadge(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
    setFont(textStyleFont(TextStyle::title2));
}

void FolderBadge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    QColor tile = accent;
    tile.setAlphaF(0.15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(rect()), 10, 10);

    // The symbol is the accent, deepened or lightened where the accent alone would fade
    // into its own tinted tile (a dark palette's accent often does).
    const QColor symbol
        = Contrast::shapeOn(accent, Contrast::blend(tile, palette().color(QPalette::Window)));
    const int side = qRound(fontMetrics().height() * 1.3);
    const QRect glyph((width() - side) / 2, (height() - side) / 2, side, side);
    Symbols::icon(QStringLiteral("folder.fill"), symbol).paint(&painter, glyph);
}
