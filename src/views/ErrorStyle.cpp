#include "ErrorStyle.h"

#include "Contrast.h"
#include "NamedColors.h"

QColor errorColor(const QPalette &palette)
{
    return Contrast::backgroundFor(namedColor(NamedColor::red), palette.color(QPalette::Window));
}
