#include "ContentView.h"

#include "ActionArea.h"
#include "ActivitySection.h"
#include "Divider.h"
#include "FolderHeader.h"
#include "FolderOrganizerViewModel.h"
#include "PreviewView.h"

#include <QVBoxLayout>

ContentView::ContentView(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_header(new FolderHeader(viewModel, this))
    , m_actionArea(new ActionArea(viewModel, this))
    , m_activity(new ActivitySection(viewModel, this))
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

    connect(m_viewModel, &FolderOrganizerViewModel::isShowingPreviewChanged, this,
        &ContentView::syncPreview);
    connect(m_viewModel, &FolderOrganizerViewModel::currentPlanChanged, this,
        &ContentView::syncPreview);
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
    // Already up: it keeps showing the plan it was opened with.
    if (m_preview || !m_viewModel->currentPlan())
        return;

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
