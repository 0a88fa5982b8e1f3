#pragma once

#include <QColor>
#include <QIcon>
#include <QIconEngine>

// Draws a monochrome icon in one colour: the shape comes from `base` (a symbolic theme
// icon or a bundled glyph), the colour from `tint`. Without a tint the icon follows the
// application palette's text colours, so it stays legible on light and dark themes. A
// shape from the theme keeps its name: a menu exported to a panel then names the icon,
// which the panel draws from its own theme in its own colours.
class TintedIconEngine final : public QIconEngine
{
public:
    TintedIconEngine(const QIcon &base, const QColor &tint);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    QString iconName() override;

private:
    QColor colorFor(QIcon::Mode mode) const;

    QIcon m_base;
    QColor m_tint;
};
