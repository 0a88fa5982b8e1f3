#include "ContentView.h"

#include "ActionArea.h"
#include "ActivitySection.h"
#include "Divider.h"
#include "FolderHeader.h"
#include "FolderOrganizerViewModel.h"
#include "HistorySection.h"
#include "PreviewView.h"
#include "RulesWindow.h"

#include <QVBoxLayout>

#include <utility>

ContentView::ContentView(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_header(new FolderHeader(viewModel, this))
    , m_actionArea(new ActionArea(viewModel, this))
    , m_activity(new ActivitySection(viewModel, this))
    , m_history(new HistorySection(viewModel, this))
{
    setMinimumSize(460, 360);
    setAccessibleName(tr("Folder organizer"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_header);
    column->addWidget(new Divider(Qt::Horizontal, this));
    column->addWidget(m_actionArea);
    column->addWidget(new Divider(Qt::Horizontal, this));
    column->addWidget(m_activity, 1);
    column->addWidget(new Divider(Qt::Horizontal, this));
    column->addWidget(m_history, 1);

    connect(m_viewModel, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &ContentView::syncPreview);
    connect(m_viewModel, &FolderOrganizerViewModel::currentPlanChanged, this,
        &ContentView::syncPreview);
    connect(m_viewModel, &FolderOrganizerViewModel::rulesRequested, this, &ContentView::showRules);
    // After the header and the commands, which turn their controls on again first.
    connect(m_viewModel, &FolderOrganizerViewModel::isOrganizingChanged, this,
        &ContentView::returnFocus);
    syncPreview();
}

ContentView::~ContentView() = default;

PreviewView *ContentView::previewView() const
{
    return m_preview;
}

void ContentView::syncPreview()
{
    if (!m_viewModel->isShowingPreview()) {
        if (m_preview)
            m_preview->done(QDialog::Accepted);
        return;
    }
    // Already up: it keeps showing the plan it was opened with, unless the rules
    // changed and the plan was made again.
    if (!m_viewModel->currentPlan()
        || (m_preview && m_previewPlan == m_viewModel->currentPlan().get()))
        return;
    if (m_preview) {
        // Gone without a word: the view model keeps showing the preview, the new one.
        PreviewView *old = std::exchange(m_preview, nullptr);
        old->disconnect(this);
        old->done(QDialog::Accepted);
        old->deleteLater();
    }

    m_previewPlan = m_viewModel->currentPlan().get();
    m_preview = new PreviewView(m_viewModel->currentPlan(), m_viewModel, window());
    connect(m_preview, &QDialog::finished, this, [this, preview = m_preview.data()] {
        // However the dialog went away, the view model learns that it is down.
        preview->deleteLater();
        if (m_preview == preview)
            m_preview = nullptr;
        m_viewModel->setIsShowingPreview(false);
    });
    m_preview->open();
}

RulesWindow *ContentView::rulesWindow() const
{
    return m_rules;
}

void ContentView::showRules()
{
    if (!m_rules) {
        m_rules = new RulesWindow(m_viewModel->rulesEditor(), window());
        m_rules->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_rules->show();
    m_rules->raise();
    m_rules->activateWindow();
}

bool ContentView::focusNextPrevChild(bool next)
{
    // A run turns its commands off, and Qt hands the focus of a control turned off down
    // the chain, to "Tidy Automatically" in the end, where the next Space would switch
    // it on. Also where the window was not active (the preview was up, the tray asked).
    QWidget *focused = window()->focusWidget();
    const bool displaced = m_viewModel->isOrganizing() && focused && !focused->isEnabled();
    if (displaced && !m_focusBeforeRun)
        m_focusBeforeRun = focused;
    const bool moved = QWidget::focusNextPrevChild(next);
    if (displaced)
        m_focusDuringRun = window()->focusWidget();
    return moved;
}

void ContentView::returnFocus()
{
    if (m_viewModel->isOrganizing())
        return;
    const QPointer<QWidget> before = std::exchange(m_focusBeforeRun, nullptr);
    const QPointer<QWidget> during = std::exchange(m_focusDuringRun, nullptr);
    // Moved on by the user meanwhile, the focus stays where it is now.
    if (!before || window()->focusWidget() != during)
        return;
    // The control that had it, or the nearest one before it that is on again: Organize
    // Now when nothing is left to undo.
    for (QWidget *control = before; control && isAncestorOf(control);
         control = control->previousInFocusChain()) {
        if (control->isEnabled() && control->isVisibleTo(this)
            && (control->focusPolicy() & Qt::TabFocus)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
