#pragma once

#include <QColor>
#include <QPalette>

// The colour of an error's text and symbol: the named red, deepened (or lightened on a
// dark palette) until it reads on the window at 4.5:1, as small text must.
QColor errorColor(const QPalette &palette);
