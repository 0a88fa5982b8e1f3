#include "BeforeListModel.h"

#include "PreviewRoles.h"
#include "model/Text.h"

BeforeListModel::BeforeListModel(std::shared_ptr<const OrganizationPlan> plan, QObject *parent)
    : QAbstractListModel(parent)
    , m_plan(std::move(plan))
{ }

int BeforeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_plan->moves.size());
}

QVariant BeforeListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OrganizationPlan::Move &move = m_plan->moves[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QString::fromStdString(Text::displayText(move.source));
    case PreviewRoles::category:
        return int(m_plan->targets[move.target].category.symbol);
    case PreviewRoles::tint:
        return int(m_plan->targets[move.target].category.color);
    default:
        return {};
    }
}
