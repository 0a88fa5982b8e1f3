#include "RulesCategoryPane.h"

#include "RulesCategoryDelegate.h"
#include "RulesCategoryModel.h"
#include "RulesEditor.h"
#include "RulesListEditor.h"
#include "StyledLabel.h"
#include "model/FileCategory.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QString spoken(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

RulesCategoryPane::RulesCategoryPane(RulesEditor *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(makeCategoryColumn(), 2);
    row->addWidget(makeDetailsColumn(), 3);
    connect(m_editor, &RulesEditor::changed, this, &RulesCategoryPane::refresh);
    refresh();
}

QWidget *RulesCategoryPane::makeCategoryColumn()
{
    auto *column = new QWidget(this);
    auto *heading = new QLabel(tr("&Categories"), column);
    m_list = new QListView(column);
    m_list->setObjectName(QStringLiteral("rulesCategoryList"));
    heading->setBuddy(m_list);
    m_list->setAccessibleName(tr("Categories"));
    m_list->setModel(m_editor->categories());
    m_list->setItemDelegate(new RulesCategoryDelegate(m_list));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_newCategory = new QLineEdit(column);
    m_newCategory->setAccessibleName(tr("New category name"));
    m_newCategory->setPlaceholderText(tr("New category, e.g. Ebooks"));
    m_newCategory->setClearButtonEnabled(true);
    m_addCategory = new QPushButton(tr("Add Cate&gory"), column);
    m_removeCategory = new QPushButton(tr("&Remove Category"), column);
    for (QPushButton *button : { m_addCategory, m_removeCategory }) {
        button->setAccessibleName(spoken(button->text()));
        button->setAutoDefault(false);
    }

    auto *adding = new QHBoxLayout;
    adding->addWidget(m_newCategory, 1);
    adding->addWidget(m_addCategory);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(adding);
    layout->addWidget(m_removeCategory, 0, Qt::AlignLeft);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex &current) { m_editor->setCurrentCategory(current.row()); });
    connect(m_newCategory, &QLineEdit::returnPressed, this, &RulesCategoryPane::addCategory);
    connect(m_addCategory, &QPushButton::clicked, this, &RulesCategoryPane::addCategory);
    connect(m_newCategory, &QLineEdit::textChanged, this, &RulesCategoryPane::refresh);
    connect(m_removeCategory, &QPushButton::clicked, m_editor, &RulesEditor::removeCurrentCategory);
    return column;
}

QWidget *RulesCategoryPane::makeDetailsColumn()
{
    auto *column = new QWidget(this);
    m_folder = new QLineEdit(column);
    m_folder->setObjectName(QStringLiteral("rulesFolderField"));
    m_folder->setAccessibleName(tr("Folder name"));
    auto *folderLabel = new QLabel(tr("&Folder name:"), column);
    folderLabel->setBuddy(m_folder);
    m_subfolders = new QCheckBox(tr("Sort into sub-folders &by extension"), column);
    m_subfolders->setAccessibleName(spoken(m_subfolders->text()));
    m_subfolders->setToolTip(tr("Where files of more than one kind go, each kind gets a "
                                "folder of its own, such as JPG and PNG"));
    m_extensions = new RulesListEditor(
        { tr("E&xtensions"), tr("New extension"), tr("e.g. avif"), tr("&Add"), tr("Remo&ve") },
        m_editor->extensions(),
        [this](const QString &text) { return m_editor->addExtension(text); },
        [this](int row) { m_editor->removeExtension(row); }, column);
    m_othersNote = new StyledLabel(tr("Every extension no other category has goes here too."),
        TextStyle::caption, false, ForegroundStyle::secondary, column);
    m_othersNote->setWordWrap(true);

    auto *form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(folderLabel, m_folder);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(m_subfolders);
    layout->addWidget(m_extensions, 1);
    layout->addWidget(m_othersNote);

    connect(m_folder, &QLineEdit::textEdited, m_editor, &RulesEditor::setCurrentFolder);
    connect(m_subfolders, &QCheckBox::clicked, m_editor, &RulesEditor::setCurrentSubfolders);
    return column;
}

void RulesCategoryPane::refresh()
{
    const QModelIndex current = m_editor->categories()->index(m_editor->currentCategory());
    if (m_list->currentIndex() != current) {
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->setCurrentIndex(current);
        m_list->viewport()->update();
    }
    // Not while the user types it: the text is the editor's already.
    if (m_folder->text() != m_editor->currentFolder())
        m_folder->setText(m_editor->currentFolder());
    m_subfolders->setChecked(m_editor->currentSubfolders());
    const bool own = current.data(RulesCategoryModel::OwnRole).toBool();
    const bool others = !own
        && FileCategory(current.data(RulesCategoryModel::SymbolRole).toInt())
            == FileCategory::others;
    m_othersNote->setVisible(others);
    m_removeCategory->setEnabled(own);
    m_addCategory->setEnabled(!m_newCategory->text().trimmed().isEmpty());
}

void RulesCategoryPane::addCategory()
{
    const QString name = m_newCategory->text();
    if (name.trimmed().isEmpty())
        return;
    // A new category is filled next; a name taken shows that category instead.
    if (m_editor->addCategory(name)) {
        m_newCategory->clear();
        m_extensions->field()->setFocus(Qt::OtherFocusReason);
    }
}
