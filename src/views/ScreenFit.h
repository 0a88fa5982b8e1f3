#pragma once

#include <QSize>

class QWidget;

// Keeps a top-level window within the screen's available area (the screen less its
// panels), so that nothing of it, its command buttons least of all, opens off-screen
// on a small screen or at a large scale factor.
namespace ScreenFit {

// Resizes `window` to `wanted`, or less where the screen is smaller, lowers its minimum
// size where that would not fit either, and moves it fully onto the screen.
void fit(QWidget *window, const QSize &wanted);
// The same for the window's present size (after a restored geometry).
void fit(QWidget *window);

} // namespace ScreenFit
