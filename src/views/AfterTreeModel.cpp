#include "AfterTreeModel.h"

#include "CategoryTreeRow.h"
#include "PreviewRoles.h"
#include "PreviewTree.h"
#include "Text.h"

AfterTreeModel::AfterTreeModel(const OrganizationPlan &plan, QObject *parent)
    : QAbstractListModel(parent)
    , m_tree(buildPreviewTree(plan))
{
    std::size_t count = 0;
    for (const CategoryPreviewNode &node : m_tree)
        count += CategoryTreeRow::lineCount(node);
    m_lines.reserve(count);
    for (std::size_t node = 0; node < m_tree.size(); ++node)
        CategoryTreeRow::appendLines(m_tree[node], std::uint32_t(node), m_lines);
}

int AfterTreeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant AfterTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PreviewLine &line = m_lines[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text(line);
    case PreviewRoles::category:
        return int(m_tree[line.node].category);
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
    const CategoryPreviewNode &node = m_tree[line.node];
    switch (line.kind) {
    case PreviewLine::Kind::category:
        return QString::fromUtf8(rawValue(node.category)) + QLatin1Char('/');
    case PreviewLine::Kind::subGroup:
        return QString::fromStdString(Text::displayText(node.subGroups[line.subGroup].name))
            + QLatin1Char('/');
    case PreviewLine::Kind::file: {
        const std::string &name = line.subGroup == PreviewLine::noSubGroup
            ? node.directFiles[line.file]
            : node.subGroups[line.subGroup].files[line.file];
        return QString::fromStdString(Text::displayText(name));
    }
    }
    return {};
}
