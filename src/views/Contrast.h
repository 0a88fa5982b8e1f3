#pragma once

#include <QColor>

// Legibility of text on a background, as the Web Content Accessibility Guidelines
// measure it: 1:1 for equal colours up to 21:1 for black on white.
namespace Contrast {

// The ratio of the lighter colour's relative luminance to the darker's (each + 0.05).
double ratio(const QColor &a, const QColor &b);

// `background`, made darker (under light text) or lighter (under dark text) in small
// steps of lightness, keeping its hue, until `text` on it reaches `minimum`.
QColor backgroundFor(const QColor &background, const QColor &text, double minimum = 4.5);

} // namespace Contrast
