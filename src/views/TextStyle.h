#pragma once

#include <QFont>

// The named text styles of the interface. Sizes follow the application font, so the
// user's font settings scale the whole window.
enum class TextStyle {
    body,
    headline,
    title2,
    title3,
    caption,
    caption2,
};

QFont textStyleFont(TextStyle style, bool bold = false);
