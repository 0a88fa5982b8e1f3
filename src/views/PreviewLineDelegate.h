#pragma once

#include <QFont>
#include <QStyledItemDelegate>

// Draws the "After" lines: a category line (coloured symbol and "Name/" in bold), a
// sub-folder line (folder symbol and "NAME/", secondary) and a file line (document
// symbol and the name, tertiary), each indented by its blanks; last, the files that
// would be skipped, under a heading with the error symbol.
class PreviewLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int horizontalPadding = 12;
    static constexpr int rowSpacing = 2;

    explicit PreviewLineDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A line cut with an ellipsis shows whole as a tooltip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

private:
    QRect lineRect(const QStyleOptionViewItem &option) const;
    // Where the text of an entry line (not a category line) goes, and its font.
    QRect entryTextRect(const QRect &line, const QModelIndex &index) const;
    const QFont &fontOf(const QModelIndex &index) const;
    void paintEntry(QPainter *painter, const QStyleOptionViewItem &option, const QRect &line,
        const QModelIndex &index) const;

    QFont m_categoryFont;
    QFont m_subGroupFont;
    QFont m_fileFont;
    int m_categoryIconSize;
    int m_entryIconSize;
    int m_indentStep; // the width of two blanks in the body font
    int m_lineHeight;
};
