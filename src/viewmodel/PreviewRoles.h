#pragma once

#include <Qt>

// Item-data roles of the preview lists, besides Qt::DisplayRole (the text shown).
namespace PreviewRoles {
enum : int {
    category = Qt::UserRole + 1, // int value of FileCategory: whose symbol the row shows
    kind, // int value of PreviewLine::Kind ("After" only)
    indent, // 0, 1 or 2 steps of two blanks ("After" only)
    tint, // int value of NamedColor: the colour of the symbol, which rules may choose
};
}
