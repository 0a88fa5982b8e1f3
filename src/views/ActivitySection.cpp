#include "ActivitySection.h"

#include "ActivityRowDelegate.h"
#include "FolderOrganizerViewModel.h"
#include "HeadedColumn.h"
#include "PlainListView.h"
#include "StyledLabel.h"
#include "SymbolView.h"

#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QWidget *makeEmptyState(QWidget *parent)
{
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("activityEmptyState"));
    auto *symbol = new SymbolView(QStringLiteral("clock.arrow.circlepath"), TextStyle::title2,
        ForegroundStyle::quaternary, page);
    auto *text = new StyledLabel(ActivitySection::tr("No activity yet"), TextStyle::caption, false,
        ForegroundStyle::quaternary, page);
    text->setObjectName(QStringLiteral("activityEmptyText"));
    text->setAlignment(Qt::AlignCenter);

    auto *column = new QVBoxLayout(page);
    column->setSpacing(6);
    column->addStretch(1);
    column->addWidget(symbol, 0, Qt::AlignHCenter);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addStretch(1);
    return page;
}

} // namespace

ActivitySection::ActivitySection(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_model(new QStringListModel(this))
    , m_logView(new PlainListView(this))
    , m_emptyState(makeEmptyState(this))
    , m_pages(new QStackedWidget(this))
{
    m_logView->setObjectName(QStringLiteral("activityLog"));
    m_logView->setAccessibleName(tr("Activity"));
    m_logView->setModel(m_model);
    m_logView->setItemDelegate(new ActivityRowDelegate(m_logView));
    // Rows wrap, so their heights are measured again whenever the width changes.
    m_logView->setResizeMode(QListView::Adjust);
    m_logView->setVerticalPadding(10, 10);
    m_logView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_logView, &QWidget::customContextMenuRequested, this, &ActivitySection::showRunMenu);

    m_pages->addWidget(m_logView);
    m_pages->addWidget(m_emptyState);

    layOutHeadedColumn(this, tr("Activity"), ForegroundStyle::tertiary, { 20, 12, 20, 8 }, m_pages);

    connect(m_viewModel, &FolderOrganizerViewModel::activityLogChanged, this,
        &ActivitySection::refresh);
    refresh();
}

bool ActivitySection::isShowingLog() const
{
    return m_pages->currentWidget() == m_logView;
}

void ActivitySection::refresh()
{
    const QStringList log = m_viewModel->activityLog();
    m_model->setStringList(log);
    m_pages->setCurrentWidget(log.isEmpty() ? m_emptyState : m_logView);
}

QMenu *ActivitySection::runMenu(int row)
{
    const QString runId = m_viewModel->activityRunId(row);
    if (runId.isEmpty())
        return nullptr;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *undo = menu->addAction(tr("Undo This Run"));
    undo->setEnabled(!m_viewModel->isOrganizing());
    connect(undo, &QAction::triggered, m_viewModel, [this, runId] { m_viewModel->undoRun(runId); });
    return menu;
}

void ActivitySection::showRunMenu(const QPoint &position)
{
    QModelIndex index = m_logView->indexAt(position);
    QPoint where = position;
    // The menu key, rather than a click, asks for the current line's.
    if (!index.isValid()) {
        index = m_logView->currentIndex();
        where = m_logView->visualRect(index).center();
    }
    QMenu *menu = index.isValid() ? runMenu(index.row()) : nullptr;
    if (menu)
        menu->popup(m_logView->viewport()->mapToGlobal(where));
}

void ActivitySection::paintEvent(QPaintEvent *)
{
    // The recessed tone behind scrolling content: the window colour, a touch towards the text.
    const QColor window = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    const qreal mix = 0.045;
    const QColor background = QColor::fromRgbF(window.redF() + (text.redF() - window.redF()) * mix,
        window.greenF() + (text.greenF() - window.greenF()) * mix,
        window.blueF() + (text.blueF() - window.blueF()) * mix);
    QPainter(this).fillRect(rect(), background);
}
