#include "HistorySection.h"

#include "FolderOrganizerViewModel.h"
#include "HeadedColumn.h"
#include "RunDetailsView.h"
#include "RunHistoryModel.h"
#include "StyledLabel.h"

#include <QHBoxLayout>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

HistorySection::HistorySection(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_list(new QListView(this))
    , m_details(new StyledLabel({}, TextStyle::caption, false, ForegroundStyle::secondary, this))
    , m_undoRun(new QPushButton(tr("Undo This &Run"), this))
    , m_files(new QPushButton(tr("Show &Files…"), this))
{
    RunHistoryModel *history = m_viewModel->runHistory();
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setAccessibleName(tr("History"));
    m_list->setModel(history);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFont(textStyleFont(TextStyle::caption));
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_details->setObjectName(QStringLiteral("historyDetails"));
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_undoRun->setObjectName(QStringLiteral("undoRunButton"));
    m_undoRun->setAccessibleName(tr("Undo This Run"));
    m_files->setObjectName(QStringLiteral("runFilesButton"));
    m_files->setAccessibleName(tr("Show Files"));

    auto *content = new QWidget(this);
    auto *footer = new QHBoxLayout;
    footer->setSpacing(10);
    footer->addWidget(m_details, 1);
    footer->addWidget(m_files, 0, Qt::AlignTop);
    footer->addWidget(m_undoRun, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout(content);
    // Inset as the activity log's lines are.
    column->setContentsMargins(20, 8, 20, 10);
    column->setSpacing(8);
    column->addWidget(m_list, 1);
    column->addLayout(footer);
    layOutHeadedColumn(this, tr("History"), ForegroundStyle::tertiary, { 20, 12, 20, 8 }, content);

    connect(
        history, &QAbstractItemModel::modelAboutToBeReset, this, &HistorySection::keepCurrentRun);
    connect(history, &QAbstractItemModel::modelReset, this, &HistorySection::restoreCurrentRun);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &HistorySection::refresh);
    connect(m_viewModel, &FolderOrganizerViewModel::isOrganizingChanged, this,
        &HistorySection::refresh);
    connect(m_viewModel, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &HistorySection::refresh);
    connect(m_viewModel, &FolderOrganizerViewModel::selectedFolderChanged, this,
        &HistorySection::refresh);
    connect(m_undoRun, &QPushButton::clicked, this, &HistorySection::undoCurrentRun);
    connect(m_files, &QPushButton::clicked, this, [this] {
        if (m_files->isEnabled())
            m_viewModel->readRunFiles(currentRunId());
    });
    connect(m_viewModel, &FolderOrganizerViewModel::runFilesRead, this,
        [this](const QString &, const QString &title, std::shared_ptr<const RunDetails> files) {
            showFiles(title, std::move(files));
        });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        const QModelIndex index = m_list->indexAt(position);
        if (!index.isValid())
            return;
        m_list->setCurrentIndex(index);
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction *undo = menu->addAction(tr("Undo This Run"));
        undo->setEnabled(m_undoRun->isEnabled());
        connect(undo, &QAction::triggered, this, &HistorySection::undoCurrentRun);
        menu->popup(m_list->viewport()->mapToGlobal(position));
    });
    restoreCurrentRun();
}

QString HistorySection::currentRunId() const
{
    return m_list->currentIndex().data(RunHistoryModel::RunIdRole).toString();
}

RunDetailsView *HistorySection::filesView() const
{
    return m_filesView;
}

void HistorySection::keepCurrentRun()
{
    // The newest picked stays the newest: a run just made is the one to see.
    const QModelIndex current = m_list->currentIndex();
    m_keptRunId = current.row() > 0 ? currentRunId() : QString();
}

void HistorySection::restoreCurrentRun()
{
    // An older run picked stays picked when the list is read again after a run; the
    // newest is picked otherwise.
    const QAbstractItemModel *history = m_list->model();
    QModelIndex current = history->index(0, 0);
    for (int row = 0; row < history->rowCount() && !m_keptRunId.isEmpty(); ++row) {
        const QModelIndex index = history->index(row, 0);
        if (index.data(RunHistoryModel::RunIdRole).toString() == m_keptRunId)
            current = index;
    }
    m_keptRunId.clear();
    m_list->setCurrentIndex(current);
    refresh();
}

void HistorySection::refresh()
{
    const QModelIndex current = m_list->currentIndex();
    const bool hasRuns = m_list->model()->rowCount() > 0;
    m_details->setText(current.isValid() ? current.data(RunHistoryModel::DetailsRole).toString()
                                         : (hasRuns || m_viewModel->selectedFolder().isEmpty()
                                                 ? QString()
                                                 : tr("No runs of this folder are recorded.")));
    const bool idle = !m_viewModel->isOrganizing() && !m_viewModel->isInDialog();
    m_undoRun->setEnabled(idle && current.data(RunHistoryModel::CanUndoRole).toBool());
    // Read by the worker, which a run keeps busy.
    m_files->setEnabled(idle && current.isValid());
    m_undoRun->setAccessibleDescription(
        current.isValid() ? current.data(Qt::DisplayRole).toString() : QString());
}

void HistorySection::showFiles(const QString &title, std::shared_ptr<const RunDetails> files)
{
    if (!files)
        return; // forgotten or gone meanwhile: the history read after it tells
    // One such window at a time, showing the run asked for last.
    if (m_filesView)
        m_filesView->close();
    m_filesView = new RunDetailsView(std::move(files), window(), title);
    m_filesView->setAttribute(Qt::WA_DeleteOnClose);
    m_filesView->show();
}

void HistorySection::undoCurrentRun()
{
    const QString runId = currentRunId();
    if (!runId.isEmpty() && m_undoRun->isEnabled())
        m_viewModel->undoRun(runId);
}
