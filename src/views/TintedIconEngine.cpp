#include "TintedIconEngine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>

TintedIconEngine::TintedIconEngine(const QIcon &base, const QColor &tint)
    : m_base(base)
    , m_tint(tint)
{ }

void TintedIconEngine::paint(
    QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, image);
}

QPixmap TintedIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    if (size.isEmpty())
        return {};
    const QColor color = colorFor(mode);
    const QString cacheKey = QStringLiteral("tidyra_tint_%1_%2_%3x%4_%5")
                                 .arg(m_base.cacheKey())
                                 .arg(color.rgba(), 8, 16, QLatin1Char('0'))
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(state));
    QPixmap result;
    if (QPixmapCache::find(cacheKey, &result))
        return result;

    // The shape is taken at full opacity (Normal mode) and only its alpha is kept.
    const QPixmap shape = m_base.pixmap(size, 1.0, QIcon::Normal, state);
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        const QSize shapeSize = shape.size();
        painter.drawPixmap((size.width() - shapeSize.width()) / 2,
            (size.height() - shapeSize.height()) / 2, shape);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(canvas.rect(), color);
    }
    result = QPixmap::fromImage(canvas);
    QPixmapCache::insert(cacheKey, result);
    return result;
}

QSize TintedIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return size;
}

QList<QSize> TintedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    // Scalable; these are the sizes trays and menus usually ask for.
    return { QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48),
        QSize(64, 64) };
}

QIconEngine *TintedIconEngine::clone() const
{
    return new TintedIconEngine(m_base, m_tint);
}

QString TintedIconEngine::key() const
{
    return QStringLiteral("TintedIconEngine");
}

QString TintedIconEngine::iconName()
{
    return m_base.name();
}

QColor TintedIconEngine::colorFor(QIcon::Mode mode) const
{
    // Disabled, every icon takes the palette's disabled text colour, as the label beside
    // it does: a tint chosen for the enabled look (white on the accent) would vanish.
    if (mode == QIcon::Disabled)
        return QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    // The palette is looked up only for an untinted icon: this runs on every paint.
    QColor color = m_tint;
    if (!color.isValid()) {
        color = QApplication::palette().color(
            mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::WindowText);
    }
    return color;
}
