#pragma once

#include "model/OrganizationPlan.h"

#include <QAbstractListModel>

#include <memory>

// The "Before" column: one row per planned move, in plan order, with the file's present
// name. Names are converted for display only when a row is drawn.
class BeforeListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit BeforeListModel(
        std::shared_ptr<const OrganizationPlan> plan, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::shared_ptr<const OrganizationPlan> m_plan;
};
