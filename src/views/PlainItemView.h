#pragma once

class QAbstractItemView;

// What the plain list and the plain tree share: no frame, no selection, no editing, no
// context menu, drawn over the parent's background, smooth scrolling, keyboard focus so
// the content can still be scrolled with the keyboard.
void makePlain(QAbstractItemView *view);

// The width of the focus frame, kept free beside the rows as viewport margins.
constexpr int focusFrameWidth = 2;

// While `view` has keyboard focus, a frame in the accent colour along its edges (the
// style's own frame is off), drawn on the view itself, around its viewport.
void paintFocusFrame(QAbstractItemView *view);
