#pragma once

#include <QListView>

// A list that only shows rows: no frame, no selection, no editing, no context menu,
// drawn over its parent's background. Rows are painted by a delegate, only when they
// scroll into view. It still takes keyboard focus, so its content can be scrolled with
// the keyboard; it then shows a focus frame, and the delegate marks the current row.
class PlainListView : public QListView
{
    Q_OBJECT

public:
    explicit PlainListView(QWidget *parent = nullptr);

    // Space above the first and below the last row.
    void setVerticalPadding(int top, int bottom);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
