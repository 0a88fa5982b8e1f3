#include "RulesCategoryModel.h"

#include "RulesEdits.h"
#include "model/SortingRules.h"

#include <QStringList>

namespace {

QString text(const std::string &bytes)
{
    return QString::fromStdString(bytes);
}

} // namespace

RulesCategoryModel::RulesCategoryModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

RulesCategoryModel::~RulesCategoryModel() = default;

int RulesCategoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_rules ? 0 : int(m_rules->categories().size());
}

QVariant RulesCategoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SortingRules::Category &category = m_rules->categories()[std::size_t(index.row())];
    const CategoryLabel &label = category.label;
    switch (role) {
    case Qt::DisplayRole:
        return text(label.name);
    case Qt::AccessibleTextRole: {
        QString spoken = text(label.name);
        if (label.folder != label.name)
            spoken = tr("%1, in the folder %2").arg(spoken, text(label.folder));
        return tr("%1, %n extension(s)", nullptr, int(category.extensions.size())).arg(spoken);
    }
    case FolderRole:
        return text(label.folder);
    case ExtensionsRole: {
        QStringList extensions;
        for (const std::string &extension : category.extensions)
            extensions << text(extension);
        return extensions;
    }
    case SubfoldersRole:
        return category.subfolders;
    case SymbolRole:
        return int(label.symbol);
    case ColorRole:
        return int(label.color);
    case OwnRole:
        return !RulesEdits::isBuiltIn(label.name);
    default:
        return {};
    }
}

void RulesCategoryModel::setRules(std::shared_ptr<const SortingRules> rules)
{
    beginResetModel();
    m_rules = std::move(rules);
    endResetModel();
}

int RulesCategoryModel::rowOf(const QString &name) const
{
    const std::string wanted = name.toStdString();
    for (int row = 0; row < rowCount(); ++row)
        if (m_rules->categories()[std::size_t(row)].label.name == wanted)
            return row;
    return -1;
}
