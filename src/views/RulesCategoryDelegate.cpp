#include "RulesCategoryDelegate.h"

#include "NamedColors.h"
#include "RulesCategoryModel.h"
#include "Symbols.h"

void RulesCategoryDelegate::initStyleOption(
    QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto symbol = FileCategory(index.data(RulesCategoryModel::SymbolRole).toInt());
    const auto color = NamedColor(index.data(RulesCategoryModel::ColorRole).toInt());
    const std::string_view name = iconName(symbol);
    option->icon = Symbols::icon(
        QString::fromLatin1(name.data(), qsizetype(name.size())), namedColor(color));
    option->features |= QStyleOptionViewItem::HasDecoration;
}
