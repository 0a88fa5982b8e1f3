#pragma once

#include "CategoryPreviewNode.h"
#include "OrganizationPlan.h"
#include "PreviewLine.h"

#include <QAbstractListModel>

#include <vector>

// The "After" column: the preview tree of a plan, flattened into lines, fully expanded.
class AfterTreeModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit AfterTreeModel(const OrganizationPlan &plan, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QString text(const PreviewLine &line) const;

    std::vector<CategoryPreviewNode> m_tree;
    std::vector<PreviewLine> m_lines;
};
