#include "PreviewView.h"

#include "AfterTreeModel.h"
#include "BeforeListModel.h"
#include "BeforeRowDelegate.h"
#include "Divider.h"
#include "FolderOrganizerViewModel.h"
#include "HeadedColumn.h"
#include "PlainListView.h"
#include "PlainTreeView.h"
#include "PreviewLineDelegate.h"
#include "ProminentButton.h"
#include "ScreenFit.h"
#include "StyledLabel.h"
#include "SymbolButton.h"
#include "Symbols.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

PreviewView::PreviewView(std::shared_ptr<const OrganizationPlan> plan,
    FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QDialog(parent)
    , m_plan(std::move(plan))
    , m_obstacles(viewModel->currentObstacles())
    , m_viewModel(viewModel)
{
    setWindowTitle(tr("Organization Preview"));
    setWindowModality(Qt::WindowModal);
    setMinimumSize(620, 420);
    ScreenFit::fit(this, QSize(700, 520));

    m_beforeList = new PlainListView(this);
    m_beforeList->setObjectName(QStringLiteral("beforeList"));
    m_beforeList->setModel(new BeforeListModel(m_plan, m_beforeList));
    m_beforeList->setItemDelegate(new BeforeRowDelegate(m_beforeList));

    m_afterList = new PlainTreeView(this);
    m_afterList->setObjectName(QStringLiteral("afterList"));
    m_afterList->setItemDelegate(new PreviewLineDelegate(m_afterList));
    auto *afterModel = new AfterTreeModel(*m_plan, m_obstacles.get(), m_afterList);
    m_skippedCount = afterModel->skippedCount();
    m_afterList->setModel(afterModel);

    // Every row is the same height, so a plan of any size lays out at once.
    m_beforeList->setUniformItemSizes(true);
    m_beforeList->setVerticalPadding(8, 8);
    m_afterList->setVerticalPadding(8, 8);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(makeColumn(tr("Before"), m_beforeList), 1);
    body->addWidget(new Divider(Qt::Vertical, this));
    body->addWidget(makeColumn(tr("After"), m_afterList), 1);

    Divider::stack(this, makeHeader(), body, makeFooter());

    // Escape is the dialog's own; these are the commands' keyboard shortcuts.
    auto *cancelShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Escape), this);
    connect(cancelShortcut, &QShortcut::activated, this, &QDialog::reject);
    for (const auto key : { Qt::Key_Return, Qt::Key_Enter }) {
        auto *applyShortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(applyShortcut, &QShortcut::activated, m_applyButton, &QPushButton::click);
    }
    setTabOrder(m_closeButton, m_beforeList);
    setTabOrder(m_beforeList, m_afterList);
    setTabOrder(m_afterList, m_cancelButton);
    setTabOrder(m_cancelButton, m_applyButton);
    // The focus starts on the list of files, never on "Apply".
    m_beforeList->setFocus();
}

bool PreviewView::eventFilter(QObject *watched, QEvent *event)
{
    // Applying moves the files, so it takes the deliberate Ctrl+Return or a click:
    // a plain Return, Enter or Space on the focused button does nothing.
    if (watched == m_applyButton
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool activates = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
            || key->key() == Qt::Key_Space || key->key() == Qt::Key_Select;
        if (activates && !(key->modifiers() & Qt::ControlModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString PreviewView::summaryText(
    std::size_t fileCount, std::size_t skippedCount, std::size_t leftAlone)
{
    QString moved = tr("%n file(s) will be moved", nullptr, int(fileCount));
    if (skippedCount != 0) {
        //: How many files will be moved, then how many will be skipped
        moved = tr("%1, %2").arg(moved, tr("%n will be skipped", nullptr, int(skippedCount)));
    }
    if (leftAlone == 0)
        return moved;
    //: How many files will be moved (and skipped), then how many the user's rules leave
    return tr("%1; %2").arg(moved, tr("%n left alone by your rules", nullptr, int(leftAlone)));
}

QWidget *PreviewView::makeHeader()
{
    auto *header = new QWidget(this);
    m_title = new StyledLabel(
        tr("Organization Preview"), TextStyle::headline, true, ForegroundStyle::primary, header);
    m_title->setObjectName(QStringLiteral("previewTitle"));
    m_summary = new StyledLabel(
        summaryText(m_plan->moves.size() - m_skippedCount, m_skippedCount, m_plan->leftAlone),
        TextStyle::caption, false, ForegroundStyle::secondary, header);
    m_summary->setObjectName(QStringLiteral("previewSummary"));

    m_closeButton = new SymbolButton(header);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(tr("Close"));
    m_closeButton->setToolTip(tr("Close"));
    const int side = QFontMetrics(textStyleFont(TextStyle::title2)).height();
    m_closeButton->setIconSize(QSize(side, side));
    m_closeButton->setIcon(Symbols::icon(QStringLiteral("xmark.circle.fill"),
        foregroundColor(palette(), ForegroundStyle::secondary)));
    connect(m_closeButton, &QToolButton::clicked, this, &QDialog::reject);

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(m_title);
    text->addWidget(m_summary);

    auto *row = new QHBoxLayout(header);
    row->addLayout(text, 1);
    row->addWidget(m_closeButton, 0, Qt::AlignVCenter);
    return header;
}

QWidget *PreviewView::makeFooter()
{
    auto *footer = new QWidget(this);
    m_cancelButton = new QPushButton(tr("Cancel"), footer);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setToolTip(
        QKeySequence(Qt::CTRL | Qt::Key_Escape).toString(QKeySequence::NativeText));
    m_applyButton = new ProminentButton(tr("Apply"), footer);
    m_applyButton->setObjectName(QStringLiteral("applyButton"));
    m_applyButton->setToolTip(
        QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText));
    // No default button: a plain Return must not apply the plan.
    m_cancelButton->setAutoDefault(false);
    m_applyButton->setAutoDefault(false);
    // Where every file would be skipped there is nothing to apply: no prominent button
    // invites a run that moves nothing, and Ctrl+Return does nothing either.
    m_applyButton->setEnabled(m_plan->moves.size() > m_skippedCount);
    m_applyButton->installEventFilter(this);

    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Only the view model closes the dialog after applying: it lowers the preview first.
    connect(m_applyButton, &QPushButton::clicked, m_viewModel,
        &FolderOrganizerViewModel::applyCurrentPlan);

    auto *row = new QHBoxLayout(footer);
    row->addWidget(m_cancelButton);
    row->addStretch(1);
    row->addWidget(m_applyButton);
    return footer;
}

QWidget *PreviewView::makeColumn(const QString &heading, QAbstractItemView *list)
{
    auto *column = new QWidget(this);
    // The list is read out under its column's heading.
    list->setAccessibleName(heading);
    layOutHeadedColumn(column, heading, ForegroundStyle::secondary, { 12, 8, 12, 8 }, list);
    return column;
}
