#pragma once

#include <QWidget>

#include <functional>

class QAbstractItemModel;
class QLineEdit;
class QListView;
class QPushButton;

// A list of short texts the user adds to and removes from (a category's extensions, the
// names to leave alone): a heading that is the list's name and mnemonic, the list, and
// under it a field with "Add" (Return in the field too) and "Remove" (Delete in the
// list too) for the current row.
class RulesListEditor : public QWidget
{
    Q_OBJECT

public:
    struct Texts
    {
        QString heading; // with its mnemonic
        QString field; // the field's accessible name
        QString placeholder;
        QString add; // the buttons', with their mnemonics
        QString remove;
    };
    // `add` says whether it took the text, which then leaves the field.
    RulesListEditor(const Texts &texts, QAbstractItemModel *model,
        std::function<bool(const QString &)> add, std::function<void(int)> remove,
        QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QLineEdit *field() const { return m_field; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void addText();
    void removeCurrent();

    QListView *m_list;
    QLineEdit *m_field;
    QPushButton *m_add;
    QPushButton *m_remove;
    std::function<bool(const QString &)> m_addText;
    std::function<void(int)> m_removeRow;
};
