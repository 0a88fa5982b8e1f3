#include "BeforeListModel.h"

#include "PreviewRoles.h"
#include "Text.h"

BeforeListModel::BeforeListModel(std::shared_ptr<const OrganizationPlan> plan, QObject *parent)
    : QAbstractListModel(parent)
    , m_plan(std::move(plan))
{ }

int BeforeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_plan->operations.size());
}

QVariant BeforeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FileMoveOperation &operation = m_plan->operations[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(Text::displayText(operation.sourceURL.filename().string()));
    case PreviewRoles::category:
        return int(operation.category);
    default:
        return {};
    }
}
