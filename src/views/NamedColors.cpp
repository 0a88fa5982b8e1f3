#include "NamedColors.h"

QColor namedColor(NamedColor color)
{
    switch (color) {
    case NamedColor::purple:
        return QColor(0xAF, 0x52, 0xDE);
    case NamedColor::blue:
        return QColor(0x00, 0x7A, 0xFF);
    case NamedColor::orange:
        return QColor(0xFF, 0x95, 0x00);
    case NamedColor::pink:
        return QColor(0xFF, 0x2D, 0x55);
    case NamedColor::green:
        return QColor(0x34, 0xC7, 0x59);
    case NamedColor::brown:
        return QColor(0xA2, 0x84, 0x5E);
    case NamedColor::red:
        return QColor(0xFF, 0x3B, 0x30);
    case NamedColor::indigo:
        return QColor(0x58, 0x56, 0xD6);
    case NamedColor::teal:
        return QColor(0x30, 0xB0, 0xC7);
    case NamedColor::cyan:
        return QColor(0x32, 0xAD, 0xE6);
    case NamedColor::gray:
        return QColor(0x8E, 0x8E, 0x93);
    }
    return QColor(0x8E, 0x8E, 0x93);
}

QColor categoryColor(FileCategory category)
{
    return namedColor(color(category));
}
