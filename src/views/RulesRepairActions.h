#pragma once

#include <QWidget>

class QPushButton;
class RulesEditor;

// What to do about a rules file that cannot be used: open it in the desktop's editor,
// or set it aside and sort by the built-in rules. Shown only while the file is wrong.
class RulesRepairActions : public QWidget
{
    Q_OBJECT

public:
    explicit RulesRepairActions(RulesEditor *editor, QWidget *parent = nullptr);

    QPushButton *openButton() const { return m_open; }
    QPushButton *defaultsButton() const { return m_defaults; }

private:
    void refresh();

    RulesEditor *m_editor;
    QPushButton *m_open;
    QPushButton *m_defaults;
};
