#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class RulesCategoryPane;
class RulesEditor;
class RulesLeaveAlonePane;
class RulesRepairActions;
class StyledLabel;

// "Rules…": the user's sorting rules, edited without seeing the file: the categories
// with their folders and extensions, the files to leave alone, and a field that answers
// "where would this file go?" as it is typed. "Save" writes the file, which the next
// run uses; closing with edits not saved asks first. While the file on disk cannot be
// used, it says why and offers to open it or to go back to the built-in rules.
class RulesWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RulesWindow(RulesEditor *editor, QWidget *parent = nullptr);

    RulesEditor *editor() const { return m_editor; }
    RulesCategoryPane *categoryPane() const { return m_categories; }
    RulesLeaveAlonePane *leaveAlonePane() const { return m_leaveAlone; }
    QLineEdit *sampleField() const { return m_sample; }
    // The answer to the sample, or what is wrong with the edits.
    StyledLabel *answerLabel() const { return m_answer; }
    StyledLabel *fileErrorLabel() const { return m_fileError; }
    RulesRepairActions *repairActions() const { return m_repair; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *closeButton() const { return m_close; }

public slots:
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *makeHeader();
    QWidget *makeFooter();
    void refresh();
    void refreshFileError();

    RulesEditor *m_editor;
    RulesCategoryPane *m_categories;
    RulesLeaveAlonePane *m_leaveAlone;
    QLineEdit *m_sample = nullptr;
    StyledLabel *m_answer = nullptr;
    StyledLabel *m_fileError = nullptr;
    RulesRepairActions *m_repair = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
};
