#pragma once

class QAbstractItemView;

// What the plain list and the plain tree share: no frame, no selection, no editing, no
// context menu, drawn over the parent's background, smooth scrolling, keyboard focus so
// the content can still be scrolled with the keyboard.
void makePlain(QAbstractItemView *view);

// While `view` has keyboard focus, a frame in the accent colour around what it shows
// (the style's own frame is off); called from its paintEvent, after the rows.
void paintFocusFrame(QAbstractItemView *view);
