#pragma once

#include <QTreeView>

// A tree that looks like PlainListView: no frame, no header, no branch lines, no
// selection, always fully expanded; the delegate draws each row's own indentation.
// Being a tree, it tells assistive technology the level of every row.
class PlainTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit PlainTreeView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    // Space above the first and below the last row.
    void setVerticalPadding(int top, int bottom);

protected:
    // QTreeView sets the viewport margins for its header here; the padding is put back.
    void updateGeometries() override;
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_topPadding = 0;
    int m_bottomPadding = 0;
};
