#pragma once

#include "model/FileCategory.h"

#include <QColor>

// The standard named colours, as the category icons are tinted.
QColor namedColor(NamedColor color);
QColor categoryColor(FileCategory category);
