#pragma once

#include "model/FileCategory.h"

#include <QPixmap>

// A category's symbol in its colour (a rules file may give it another category's
// symbol and any named colour), at a given pixel size, drawn once and reused by every
// row that shows it.
QPixmap categoryIconPixmap(
    FileCategory symbol, NamedColor tint, int size, qreal devicePixelRatio = 1.0);
