#include "RulesListEditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// Rows shown without scrolling, in lines of the font: the list grows with the text.
constexpr int visibleRows = 4;

} // namespace

RulesListEditor::RulesListEditor(const Texts &texts, QAbstractItemModel *model,
    std::function<bool(const QString &)> add, std::function<void(int)> remove, QWidget *parent)
    : QWidget(parent)
    , m_list(new QListView(this))
    , m_field(new QLineEdit(this))
    , m_add(new QPushButton(texts.add, this))
    , m_remove(new QPushButton(texts.remove, this))
    , m_addText(std::move(add))
    , m_removeRow(std::move(remove))
{
    auto *heading = new QLabel(texts.heading, this);
    heading->setBuddy(m_list);
    QString name = texts.heading;
    m_list->setAccessibleName(name.remove(QLatin1Char('&')));
    m_list->setModel(model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setMinimumHeight(m_list->fontMetrics().lineSpacing() * visibleRows);
    // Its height is what the window has left, from the rows above on.
    m_list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_list->installEventFilter(this);
    m_field->setAccessibleName(texts.field);
    m_field->setPlaceholderText(texts.placeholder);
    m_field->setClearButtonEnabled(true);
    for (QPushButton *button : { m_add, m_remove }) {
        QString spoken = button->text();
        button->setAccessibleName(spoken.remove(QLatin1Char('&')));
        // Return adds what the field holds; it never presses another button.
        button->setAutoDefault(false);
    }

    auto *row = new QHBoxLayout;
    row->addWidget(m_field, 1);
    row->addWidget(m_add);
    row->addWidget(m_remove);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading);
    column->addWidget(m_list, 1);
    column->addLayout(row);

    connect(m_field, &QLineEdit::returnPressed, this, &RulesListEditor::addText);
    connect(m_field, &QLineEdit::textChanged, this, &RulesListEditor::refresh);
    connect(m_add, &QPushButton::clicked, this, &RulesListEditor::addText);
    connect(m_remove, &QPushButton::clicked, this, &RulesListEditor::removeCurrent);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &RulesListEditor::refresh);
    connect(model, &QAbstractItemModel::modelReset, this, &RulesListEditor::refresh);
    refresh();
}

void RulesListEditor::refresh()
{
    m_add->setEnabled(!m_field->text().trimmed().isEmpty());
    m_remove->setEnabled(m_list->currentIndex().isValid());
}

void RulesListEditor::addText()
{
    if (m_addText(m_field->text()))
        m_field->clear();
}

void RulesListEditor::removeCurrent()
{
    const int row = m_list->currentIndex().row();
    if (row < 0)
        return;
    m_removeRow(row);
    // The row that took its place, so Delete can go on down the list.
    m_list->setCurrentIndex(
        m_list->model()->index(std::min(row, m_list->model()->rowCount() - 1), 0));
}

bool RulesListEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            removeCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
