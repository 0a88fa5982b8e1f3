#pragma once

#include <QStyledItemDelegate>

// A row of the Rules window's categories: the symbol in its colour, as the preview
// shows the category, then its name.
class RulesCategoryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
