#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// One activity line: caption text in the secondary style, wrapped to the list's width.
class ActivityRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 20;
    static constexpr int rowSpacing = 5;

    explicit ActivityRowDelegate(QAbstractItemView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int textWidth() const;

    QAbstractItemView *m_view;
    QFont m_font;
};
