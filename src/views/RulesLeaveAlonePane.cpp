#include "RulesLeaveAlonePane.h"

#include "RulesEditor.h"
#include "RulesListEditor.h"
#include "StyledLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

// Up to about three years in days; more is no longer "lately".
constexpr int largestAmount = 999;
constexpr int defaultDays = 2;

} // namespace

RulesLeaveAlonePane::RulesLeaveAlonePane(RulesEditor *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_names(new RulesListEditor(
          { tr("&Names to leave alone"), tr("New name pattern"), tr("e.g. *.torrent"), tr("A&dd"),
              tr("R&emove") },
          editor->leaveAloneNames(),
          [editor](const QString &pattern) { return editor->addLeaveAloneName(pattern); },
          [editor](int row) { editor->removeLeaveAloneName(row); }, this))
    , m_ageBox(new QCheckBox(tr("Leave files changed in the &last"), this))
    , m_amount(new QSpinBox(this))
    , m_unit(new QComboBox(this))
{
    auto *hint = new StyledLabel(
        tr("Patterns as in a shell: * stands for any text, ? for one character; letter case "
           "does not matter."),
        TextStyle::caption, false, ForegroundStyle::secondary, this);
    hint->setWordWrap(true);
    m_ageBox->setAccessibleName(tr("Leave files changed lately"));
    m_amount->setAccessibleName(tr("How many"));
    m_amount->setRange(1, largestAmount);
    m_amount->setValue(defaultDays);
    m_unit->setAccessibleName(tr("Unit"));
    // In the order of RulesEditor::AgeUnit.
    m_unit->addItems({ tr("minutes"), tr("hours"), tr("days") });
    m_unit->setCurrentIndex(int(RulesEditor::AgeUnit::days));

    auto *age = new QHBoxLayout;
    age->addWidget(m_ageBox);
    age->addWidget(m_amount);
    age->addWidget(m_unit);
    age->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_names);
    column->addWidget(hint);
    column->addLayout(age);

    connect(m_ageBox, &QCheckBox::clicked, this, &RulesLeaveAlonePane::storeAge);
    connect(m_amount, &QSpinBox::valueChanged, this, &RulesLeaveAlonePane::storeAge);
    connect(m_unit, &QComboBox::activated, this, &RulesLeaveAlonePane::storeAge);
    connect(m_editor, &RulesEditor::changed, this, &RulesLeaveAlonePane::refresh);
    refresh();
}

void RulesLeaveAlonePane::refresh()
{
    const bool on = m_editor->ageAmount() > 0;
    m_ageBox->setChecked(on);
    // Off, the amount and unit stay as last chosen, ready for the switch.
    if (on) {
        const QSignalBlocker blocker(m_amount);
        m_amount->setValue(m_editor->ageAmount());
        m_unit->setCurrentIndex(int(m_editor->ageUnit()));
    }
    m_amount->setEnabled(on);
    m_unit->setEnabled(on);
}

void RulesLeaveAlonePane::storeAge()
{
    m_editor->setAge(m_ageBox->isChecked() ? m_amount->value() : 0,
        RulesEditor::AgeUnit(m_unit->currentIndex()));
}
