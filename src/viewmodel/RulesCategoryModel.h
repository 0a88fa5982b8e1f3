#pragma once

#include <QAbstractListModel>

#include <memory>

class SortingRules;

// The categories of a set of sorting rules, one row each in the order they are sorted
// in (built-in, then the user's own, Others last): their name, folder and extensions.
class RulesCategoryModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        FolderRole = Qt::UserRole + 1, // QString
        ExtensionsRole, // QStringList, lower case, no dot
        SubfoldersRole, // bool
        SymbolRole, // int: the FileCategory whose symbol it shows
        ColorRole, // int: its NamedColor
        OwnRole, // bool: made by the user, not built in
    };

    explicit RulesCategoryModel(QObject *parent = nullptr);
    ~RulesCategoryModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    // The display text is the name; the accessible text adds the folder where it
    // differs, and how many extensions.
    QVariant data(const QModelIndex &index, int role) const override;

    const std::shared_ptr<const SortingRules> &rules() const { return m_rules; }
    void setRules(std::shared_ptr<const SortingRules> rules);
    // The row of the category `name`; -1 when none.
    int rowOf(const QString &name) const;

private:
    std::shared_ptr<const SortingRules> m_rules;
};
