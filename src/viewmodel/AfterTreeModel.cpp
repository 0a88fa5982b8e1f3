#include "AfterTreeModel.h"

#include "CategoryLines.h"
#include "ErrorTexts.h"
#include "MemoryRelease.h"
#include "PreviewRoles.h"
#include "model/PreviewTree.h"
#include "model/Text.h"
#include "services/organizing/PlanObstacles.h"

#include <QThreadPool>

#include <algorithm>

namespace {

// The plan without the moves that would be skipped; the plan itself when there are none.
std::vector<CategoryPreviewNode> treeOf(
    const OrganizationPlan &plan, const PlanObstacles *obstacles)
{
    if (!obstacles || obstacles->blockedMoves() == 0)
        return buildPreviewTree(plan);
    OrganizationPlan kept;
    kept.folderURL = plan.folderURL;
    kept.targets = plan.targets;
    for (const OrganizationPlan::Move &move : plan.moves) {
        if (!obstacles->blocks(move))
            kept.moves.push_back(move);
    }
    return buildPreviewTree(kept);
}

} // namespace

AfterTreeModel::AfterTreeModel(
    const OrganizationPlan &plan, const PlanObstacles *obstacles, QObject *parent)
    : QAbstractItemModel(parent)
    , m_tree(treeOf(plan, obstacles))
{
    for (const OrganizationPlan::Move &move : plan.moves) {
        if (obstacles && obstacles->blocks(move))
            m_skipped.emplace_back(move.source, obstacles->reason(move.target));
        else if (!move.destination.empty() && move.destination != move.source)
            m_renamed.emplace(move.source, move.destination);
    }
    std::sort(m_skipped.begin(), m_skipped.end(),
        [](const auto &a, const auto &b) { return Text::lessThan(a.first, b.first); });

    std::size_t count = m_skipped.empty() ? 0 : m_skipped.size() + 1;
    for (const CategoryPreviewNode &node : m_tree)
        count += categoryLineCount(node);
    m_lines.reserve(count);
    for (std::size_t node = 0; node < m_tree.size(); ++node)
        appendCategoryLines(m_tree[node], std::uint32_t(node), m_lines);
    if (!m_skipped.empty()) {
        using Kind = PreviewLine::Kind;
        m_lines.push_back({ Kind::skippedHeading, 0, 0, PreviewLine::noSubGroup, 0 });
        for (std::uint32_t file = 0; file < m_skipped.size(); ++file)
            m_lines.push_back({ Kind::skippedFile, 1, 0, PreviewLine::noSubGroup, file });
    }

    // A line's parent is the nearest line above it that is one level shallower.
    const auto root = std::uint32_t(m_lines.size());
    m_parent.resize(m_lines.size());
    m_row.resize(m_lines.size());
    std::vector<std::uint32_t> childCount(m_lines.size() + 1, 0);
    std::uint32_t ancestors[3] = { root, root, root };
    for (std::uint32_t line = 0; line < m_lines.size(); ++line) {
        const int indent = m_lines[line].indent;
        const std::uint32_t parentSlot = ancestors[indent];
        m_parent[line] = parentSlot;
        m_row[line] = childCount[parentSlot]++;
        if (indent < 2)
            ancestors[indent + 1] = line;
    }
    m_childStart.resize(m_lines.size() + 2, 0);
    for (std::size_t slot = 0; slot <= m_lines.size(); ++slot)
        m_childStart[slot + 1] = m_childStart[slot] + childCount[slot];
    m_children.resize(m_lines.size());
    for (std::uint32_t line = 0; line < m_lines.size(); ++line)
        m_children[m_childStart[m_parent[line]] + m_row[line]] = line;
}

AfterTreeModel::~AfterTreeModel()
{
    QThreadPool::globalInstance()->start(
        [tree = std::move(m_tree), renamed = std::move(m_renamed), skipped = std::move(m_skipped),
            lines = std::move(m_lines), childStart = std::move(m_childStart),
            children = std::move(m_children), parents = std::move(m_parent),
            rows = std::move(m_row)]() mutable {
            tree.clear();
            tree.shrink_to_fit();
            releaseFreedMemory();
        });
}

std::uint32_t AfterTreeModel::slotOf(const QModelIndex &index) const
{
    return index.isValid() ? std::uint32_t(index.internalId()) : std::uint32_t(m_lines.size());
}

QModelIndex AfterTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    const std::uint32_t line = m_children[m_childStart[slotOf(parent)] + std::uint32_t(row)];
    return createIndex(row, 0, quintptr(line));
}

QModelIndex AfterTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const std::uint32_t parentSlot = m_parent[child.internalId()];
    if (parentSlot == m_lines.size())
        return {};
    return createIndex(int(m_row[parentSlot]), 0, quintptr(parentSlot));
}

int AfterTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const std::uint32_t slot = slotOf(parent);
    return int(m_childStart[slot + 1] - m_childStart[slot]);
}

int AfterTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant AfterTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const PreviewLine &line = m_lines[index.internalId()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text(line);
    case PreviewRoles::category:
    case PreviewRoles::tint:
        if (line.kind == PreviewLine::Kind::skippedHeading
            || line.kind == PreviewLine::Kind::skippedFile)
            return {};
        return role == PreviewRoles::tint ? int(m_tree[line.node].category.color)
                                          : int(m_tree[line.node].category.symbol);
    case PreviewRoles::kind:
        return int(line.kind);
    case PreviewRoles::indent:
        return int(line.indent);
    default:
        return {};
    }
}

QString AfterTreeModel::text(const PreviewLine &line) const
{
    switch (line.kind) {
    case PreviewLine::Kind::skippedHeading:
        return tr("Will be skipped");
    case PreviewLine::Kind::skippedFile: {
        const auto &[name, reason] = m_skipped[line.file];
        //: A file that the run would leave in place, and why
        return tr("%1 — %2").arg(
            QString::fromStdString(Text::displayText(name)), ErrorTexts::translate(reason));
    }
    default:
        break;
    }
    const CategoryPreviewNode &node = m_tree[line.node];
    switch (line.kind) {
    case PreviewLine::Kind::category:
        return QString::fromStdString(node.category.folder) + QLatin1Char('/');
    case PreviewLine::Kind::subGroup:
        return QString::fromStdString(Text::displayText(node.subGroups[line.subGroup].name))
            + QLatin1Char('/');
    case PreviewLine::Kind::file: {
        const std::string &name = line.subGroup == PreviewLine::noSubGroup
            ? node.directFiles[line.file]
            : node.subGroups[line.subGroup].files[line.file];
        QString shown = QString::fromStdString(Text::displayText(name));
        const auto renamed = m_renamed.find(name);
        if (renamed == m_renamed.end())
            return shown;
        //: A file that gets a numbered name, since its own is taken: old → new
        return tr("%1 → %2").arg(shown, QString::fromStdString(Text::displayText(renamed->second)));
    }
    default:
        return {};
    }
}
