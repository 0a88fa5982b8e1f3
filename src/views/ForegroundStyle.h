#pragma once

#include <QColor>
#include <QPalette>

// Emphasis levels of text and symbols: the palette's text colour, each level fainter
// than the one before.
enum class ForegroundStyle {
    primary,
    secondary,
    tertiary,
    quaternary,
};

QColor foregroundColor(const QPalette &palette, ForegroundStyle style,
    QPalette::ColorRole role = QPalette::WindowText, QPalette::ColorGroup group = QPalette::Active);
