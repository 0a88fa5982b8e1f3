#pragma once

#include <QAbstractItemModel>

#include <cstdint>
#include <memory>
#include <vector>

struct RunDetails;

// The files a run skipped (or an undo could not restore), grouped by reason: one
// heading line per reason ("12 files: "Images" is a symbolic link, which Tidyra does
// not follow"), the most frequent first, with the names under it in name order. A
// tree of two levels, built once and drawn lazily, so 100,000 names open at once.
class RunDetailsModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit RunDetailsModel(std::shared_ptr<const RunDetails> details, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const std::shared_ptr<const RunDetails> &details() const { return m_details; }
    // Every line as shown, names indented by two blanks, for the clipboard.
    QString allText() const;
    // The title: "3 files skipped in the last run of Big" or "3 files not restored by
    // the last undo of Big", or the one given (the files of a run of the history).
    QString title() const { return m_title.isEmpty() ? titleOf(*m_details) : m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // The same, without grouping the names (the status line's "Details…" tells it).
    static QString titleOf(const RunDetails &details);

private:
    struct Group
    {
        QString heading;
        std::vector<std::uint32_t> entries; // indexes into the details, in name order
    };

    QString nameAt(std::uint32_t entry) const;

    std::shared_ptr<const RunDetails> m_details;
    std::vector<Group> m_groups;
    QString m_title;
};
