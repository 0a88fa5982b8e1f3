#include "RulesWindow.h"

#include "Divider.h"
#include "ErrorStyle.h"
#include "ProminentButton.h"
#include "RulesCategoryPane.h"
#include "RulesEditor.h"
#include "RulesLeaveAlonePane.h"
#include "RulesRepairActions.h"
#include "ScreenFit.h"
#include "StyledLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

RulesWindow::RulesWindow(RulesEditor *editor, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_categories(new RulesCategoryPane(editor, this))
    , m_leaveAlone(new RulesLeaveAlonePane(editor, this))
{
    setWindowTitle(tr("Sorting Rules"));
    setObjectName(QStringLiteral("rulesWindow"));
    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(12);
    // The categories take what room there is; the names to leave alone are few.
    body->addWidget(m_categories, 1);
    body->addWidget(new Divider(Qt::Horizontal, this));
    body->addWidget(m_leaveAlone);

    Divider::stack(this, makeHeader(), body, makeFooter());

    connect(m_editor, &RulesEditor::changed, this, &RulesWindow::refresh);
    connect(m_editor, &RulesEditor::fileErrorChanged, this, &RulesWindow::refreshFileError);
    connect(m_sample, &QLineEdit::textEdited, m_editor, &RulesEditor::setSampleName);
    m_sample->setText(m_editor->sampleName());
    // What the file says now, unless edits not saved are waiting from before.
    if (!m_editor->isModified())
        m_editor->load();
    refresh();
    refreshFileError();
    ScreenFit::fit(this, QSize(720, 660));
}

QWidget *RulesWindow::makeHeader()
{
    auto *header = new QWidget(this);
    auto *title = new StyledLabel(
        tr("Sorting Rules"), TextStyle::headline, true, ForegroundStyle::primary, header);
    auto *where = new StyledLabel(tr("Kept in %1").arg(m_editor->filePath()), TextStyle::caption,
        false, ForegroundStyle::secondary, header);
    where->setToolTip(m_editor->filePath());
    m_fileError = new StyledLabel({}, TextStyle::caption, false, ForegroundStyle::primary, header);
    m_fileError->setObjectName(QStringLiteral("rulesFileError"));
    m_fileError->setWordWrap(true);
    m_repair = new RulesRepairActions(m_editor, header);

    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(4);
    layout->addWidget(title);
    layout->addWidget(where);
    layout->addWidget(m_fileError);
    layout->addWidget(m_repair);
    return header;
}

QWidget *RulesWindow::makeFooter()
{
    auto *footer = new QWidget(this);
    m_sample = new QLineEdit(footer);
    m_sample->setObjectName(QStringLiteral("rulesSampleField"));
    m_sample->setAccessibleName(tr("Where would this file go?"));
    m_sample->setPlaceholderText(tr("report.md"));
    m_sample->setClearButtonEnabled(true);
    auto *question = new QLabel(tr("&Where would this file go?"), footer);
    question->setBuddy(m_sample);
    m_answer = new StyledLabel({}, TextStyle::body, false, ForegroundStyle::secondary, footer);
    m_answer->setObjectName(QStringLiteral("rulesAnswer"));
    m_answer->setWordWrap(true);
    m_close = new QPushButton(tr("Close"), footer);
    m_close->setAccessibleName(tr("Close"));
    m_save = new ProminentButton(tr("&Save"), footer);
    m_save->setObjectName(QStringLiteral("rulesSaveButton"));
    m_save->setAccessibleName(tr("Save"));
    m_save->setToolTip(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText));
    // Return belongs to the fields it is typed in: no button is pressed by it.
    m_close->setAutoDefault(false);
    m_save->setAutoDefault(false);
    auto *saveShortcut = new QShortcut(QKeySequence::Save, this);
    connect(saveShortcut, &QShortcut::activated, m_editor, &RulesEditor::save);
    connect(m_save, &QPushButton::clicked, m_editor, &RulesEditor::save);
    connect(m_close, &QPushButton::clicked, this, &RulesWindow::reject);

    auto *sampleRow = new QHBoxLayout;
    sampleRow->addWidget(question);
    sampleRow->addWidget(m_sample, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_close);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(footer);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(sampleRow);
    layout->addWidget(m_answer);
    layout->addLayout(buttons);
    return footer;
}

void RulesWindow::refresh()
{
    // A wrong edit tells why where the answer would be.
    const QString problem = m_editor->problem();
    const QString answer = m_editor->isLoaded() ? m_editor->sampleAnswer() : QString();
    m_answer->setText(problem.isEmpty() ? answer : problem);
    m_answer->setColor(problem.isEmpty() ? QColor() : errorColor(palette()));
    m_answer->setAccessibleDescription(problem.isEmpty() ? QString() : tr("Error"));
    m_save->setEnabled(m_editor->canSave());
}

void RulesWindow::refreshFileError()
{
    const QString error = m_editor->fileError();
    m_fileError->setText(error);
    m_fileError->setColor(errorColor(palette()));
    m_fileError->setVisible(!error.isEmpty());
    // Edits are made on what the file says: not while it cannot be read.
    m_categories->setEnabled(m_editor->isLoaded());
    m_leaveAlone->setEnabled(m_editor->isLoaded());
    // Nor is anything answered from rules that are not the file's.
    m_sample->setEnabled(m_editor->isLoaded());
    refresh();
}

void RulesWindow::reject()
{
    if (m_editor->isModified()) {
        const auto answer = QMessageBox::question(this, windowTitle(),
            tr("Save the changes to your sorting rules?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel)
            return;
        // Edits that are wrong cannot be saved: the window stays, telling why.
        if (answer == QMessageBox::Save && !m_editor->canSave())
            return;
        if (answer == QMessageBox::Save)
            m_editor->save();
        else
            m_editor->load();
    }
    QDialog::reject();
}

void RulesWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refreshFileError();
}
