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

// A symbol or focus mark in `shape`'s hue, lighter or darker until it stands out from
// `behind` by `minimum`: 3:1 is what graphics and focus indicators need to be seen.
QColor shapeOn(const QColor &shape, const QColor &behind, double minimum = 3.0);

// `top` at its alpha over the opaque `bottom`: the colour a translucent fill paints.
QColor blend(const QColor &top, const QColor &bottom);

} // namespace Contrast
