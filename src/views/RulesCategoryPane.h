#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class RulesEditor;
class RulesListEditor;
class StyledLabel;

// The Rules window's categories: the list of them, with a field to add one and a
// button to remove one the user made; beside it, the chosen category's folder name,
// its sub-folders switch and its extensions.
class RulesCategoryPane : public QWidget
{
    Q_OBJECT

public:
    explicit RulesCategoryPane(RulesEditor *editor, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    QLineEdit *newCategoryField() const { return m_newCategory; }
    QPushButton *addCategoryButton() const { return m_addCategory; }
    QPushButton *removeCategoryButton() const { return m_removeCategory; }
    QLineEdit *folderField() const { return m_folder; }
    QCheckBox *subfoldersBox() const { return m_subfolders; }
    RulesListEditor *extensions() const { return m_extensions; }

private:
    QWidget *makeCategoryColumn();
    QWidget *makeDetailsColumn();
    void refresh();
    void addCategory();

    RulesEditor *m_editor;
    QListView *m_list = nullptr;
    QLineEdit *m_newCategory = nullptr;
    QPushButton *m_addCategory = nullptr;
    QPushButton *m_removeCategory = nullptr;
    QLineEdit *m_folder = nullptr;
    QCheckBox *m_subfolders = nullptr;
    StyledLabel *m_othersNote = nullptr;
    RulesListEditor *m_extensions = nullptr;
};
