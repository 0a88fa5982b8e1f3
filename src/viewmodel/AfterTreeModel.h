#pragma once

#include "PreviewLine.h"
#include "model/CategoryPreviewNode.h"
#include "model/OrganizationPlan.h"
#include "services/errors/ErrorMessage.h"

#include <QAbstractItemModel>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class PlanObstacles;

// The "After" column: the preview tree of a plan as a real tree (categories, their
// sub-folders and files), so a screen reader hears its levels. Each index carries the
// number of its line, in the top-to-bottom order the column shows them. A file that
// gets a numbered name shows both ("photo.jpg → photo (1).jpg"); files whose moves
// `obstacles` would stop are left out of the tree and listed last, under "Will be
// skipped", each with the reason.
class AfterTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit AfterTreeModel(const OrganizationPlan &plan, const PlanObstacles *obstacles = nullptr,
        QObject *parent = nullptr);
    // The tree of a large plan takes tens of milliseconds to free: that happens on a
    // pool thread, so closing the preview does not stall the window.
    ~AfterTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // All lines, top to bottom, as the column shows them fully expanded.
    std::size_t lineCount() const { return m_lines.size(); }
    // The plan's moves that the obstacles stop, listed apart under "Will be skipped".
    std::size_t skippedCount() const { return m_skipped.size(); }

private:
    QString text(const PreviewLine &line) const;
    // The line an index stands for; the root's slot for an invalid index.
    std::uint32_t slotOf(const QModelIndex &index) const;

    std::vector<CategoryPreviewNode> m_tree;
    // Source name to its numbered destination name, for the few files that get one.
    std::unordered_map<std::string, std::string> m_renamed;
    // Name and reason, sorted by name.
    std::vector<std::pair<std::string, ErrorMessage>> m_skipped;
    std::vector<PreviewLine> m_lines;
    // Children of every line, and of the root in the last slot, packed: the children of
    // slot s are m_children[m_childStart[s] .. m_childStart[s + 1]).
    std::vector<std::uint32_t> m_childStart;
    std::vector<std::uint32_t> m_children;
    std::vector<std::uint32_t> m_parent; // the root's slot for a category line
    std::vector<std::uint32_t> m_row; // position among its parent's children
};
