#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// One "Before" row: the category's coloured symbol in a 14-point column, then the file
// name in the caption style on one line, cut with an ellipsis when too long (and then
// shown whole as a tooltip).
class BeforeRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 12;
    static constexpr int rowSpacing = 3;

    explicit BeforeRowDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A name cut with an ellipsis shows whole as a tooltip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

private:
    QFont m_font;
    int m_iconSize;
};
