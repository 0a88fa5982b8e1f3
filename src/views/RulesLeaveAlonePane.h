#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;
class RulesEditor;
class RulesListEditor;

// The Rules window's files to leave where they are: names by pattern, and files
// changed lately (an amount and a unit: "2 days").
class RulesLeaveAlonePane : public QWidget
{
    Q_OBJECT

public:
    explicit RulesLeaveAlonePane(RulesEditor *editor, QWidget *parent = nullptr);

    RulesListEditor *names() const { return m_names; }
    QCheckBox *ageBox() const { return m_ageBox; }
    QSpinBox *ageAmount() const { return m_amount; }
    QComboBox *ageUnit() const { return m_unit; }

private:
    void refresh();
    void storeAge();

    RulesEditor *m_editor;
    RulesListEditor *m_names;
    QCheckBox *m_ageBox;
    QSpinBox *m_amount;
    QComboBox *m_unit;
};
