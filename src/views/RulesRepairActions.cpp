#include "RulesRepairActions.h"

#include "RulesEditor.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>

RulesRepairActions::RulesRepairActions(RulesEditor *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_open(new QPushButton(tr("Open Rules F&ile…"), this))
    , m_defaults(new QPushButton(tr("Use Defaul&t Rules"), this))
{
    m_open->setObjectName(QStringLiteral("openRulesButton"));
    m_open->setAccessibleName(tr("Open Rules File"));
    m_defaults->setObjectName(QStringLiteral("defaultRulesButton"));
    m_defaults->setAccessibleName(tr("Use Default Rules"));
    m_defaults->setToolTip(tr("Renames your rules file, to mend later, and sorts by the "
                              "built-in rules"));
    for (QPushButton *button : { m_open, m_defaults })
        button->setAutoDefault(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_open);
    row->addWidget(m_defaults);
    row->addStretch(1);

    connect(m_open, &QPushButton::clicked, this,
        [this] { QDesktopServices::openUrl(m_editor->fileUrl()); });
    connect(m_defaults, &QPushButton::clicked, m_editor, &RulesEditor::setAside);
    connect(m_editor, &RulesEditor::fileErrorChanged, this, &RulesRepairActions::refresh);
    refresh();
}

void RulesRepairActions::refresh()
{
    setVisible(!m_editor->fileError().isEmpty());
    m_open->setToolTip(m_editor->filePath());
    setAccessibleDescription(m_editor->fileError());
}
