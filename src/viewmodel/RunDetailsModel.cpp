#include "RunDetailsModel.h"

#include "ErrorTexts.h"
#include "FolderPath.h"
#include "model/Text.h"
#include "services/journal/RunDetails.h"

#include <algorithm>
#include <map>

RunDetailsModel::RunDetailsModel(std::shared_ptr<const RunDetails> details, QObject *parent)
    : QAbstractItemModel(parent)
    , m_details(std::move(details))
{
    // Grouped by the reason as written, so each reason is translated once.
    std::map<ErrorMessage, std::size_t> groupOf;
    std::vector<const ErrorMessage *> reasons;
    for (std::uint32_t entry = 0; entry < m_details->entries.size(); ++entry) {
        const ErrorMessage &reason = m_details->entries[entry].second;
        const auto [found, isNew] = groupOf.try_emplace(reason, m_groups.size());
        if (isNew) {
            m_groups.emplace_back();
            reasons.push_back(&reason);
        }
        m_groups[found->second].entries.push_back(entry);
    }
    for (std::size_t group = 0; group < m_groups.size(); ++group) {
        //: How many files, then the reason they share
        m_groups[group].heading = tr("%n file(s): %1", nullptr, int(m_groups[group].entries.size()))
                                      .arg(ErrorTexts::translate(*reasons[group]));
    }
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const Group &a, const Group &b) {
        if (a.entries.size() != b.entries.size())
            return a.entries.size() > b.entries.size();
        return a.heading < b.heading;
    });
}

QModelIndex RunDetailsModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    // A heading carries 0, a name the number of its group plus one.
    return createIndex(row, 0, parent.isValid() ? quintptr(parent.row()) + 1 : 0);
}

QModelIndex RunDetailsModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int RunDetailsModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_groups.size());
    if (parent.internalId() != 0 || parent.column() > 0)
        return 0;
    return int(m_groups[std::size_t(parent.row())].entries.size());
}

int RunDetailsModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QString RunDetailsModel::nameAt(std::uint32_t entry) const
{
    return QString::fromStdString(Text::displayText(m_details->entries[entry].first));
}

QVariant RunDetailsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    if (index.internalId() == 0)
        return m_groups[std::size_t(index.row())].heading;
    const Group &group = m_groups[index.internalId() - 1];
    return nameAt(group.entries[std::size_t(index.row())]);
}

QString RunDetailsModel::allText() const
{
    QString text = title() + QLatin1Char('\n');
    for (const Group &group : m_groups) {
        text += QLatin1Char('\n') + group.heading + QLatin1Char('\n');
        for (const std::uint32_t entry : group.entries)
            text += QLatin1String("  ") + nameAt(entry) + QLatin1Char('\n');
    }
    return text;
}

QString RunDetailsModel::titleOf(const RunDetails &details)
{
    const QString folder = FolderPath(details.folder).displayName();
    const int count = int(details.entries.size());
    if (details.kind == RunDetails::Kind::undo)
        return tr("%n file(s) not restored by the last undo of %1", nullptr, count).arg(folder);
    return tr("%n file(s) skipped in the last run of %1", nullptr, count).arg(folder);
}
