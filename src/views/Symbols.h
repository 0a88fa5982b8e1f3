#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// Icons named by the symbol names the interface is described with ("folder.fill",
// "sparkles", ...). Each maps to a symbolic freedesktop theme icon; where the theme has
// none, a glyph bundled with the program is used, so every icon shows on a bare system.
namespace Symbols {

// The icon drawn in `tint`; an invalid tint follows the palette's text colour.
QIcon icon(const QString &symbolName, const QColor &tint = {});

} // namespace Symbols
