#pragma once

#include "model/FileCategory.h"

#include <QPixmap>

// A category's symbol in its colour, at a given pixel size, drawn once and reused by
// every row that shows it.
QPixmap categoryIconPixmap(FileCategory category, int size, qreal devicePixelRatio = 1.0);
