#include "ActionArea.h"

#include "BusySpinner.h"
#include "ErrorStyle.h"
#include "FolderOrganizerViewModel.h"
#include "ProminentButton.h"
#include "RulesRepairActions.h"
#include "RunDetailsModel.h"
#include "RunDetailsView.h"
#include "RunHistoryModel.h"
#include "StyledLabel.h"
#include "SymbolView.h"
#include "Symbols.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton *makeCommandButton(
    const QString &text, const QString &symbol, bool prominent, QWidget *parent)
{
    QPushButton *button
        = prominent ? new ProminentButton(text, parent) : new QPushButton(text, parent);
    const QColor tint = prominent ? button->palette().color(QPalette::ButtonText) : QColor();
    button->setIcon(Symbols::icon(symbol, tint));
    // The three commands share the row's width equally.
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

ActionArea::ActionArea(FolderOrganizerViewModel *viewModel, QWidget *parent)
    : QWidget(parent)
    , m_viewModel(viewModel)
    , m_previewButton(makeCommandButton(tr("&Preview"), QStringLiteral("eye"), false, this))
    , m_organizeButton(
          makeCommandButton(tr("&Organize Now"), QStringLiteral("sparkles"), true, this))
    , m_undoButton(
          makeCommandButton(tr("&Undo"), QStringLiteral("arrow.uturn.backward"), false, this))
    , m_tidyBox(new QCheckBox(tr("Tidy &Automatically"), this))
    , m_rulesButton(new QToolButton(this))
    , m_rulesRepair(new RulesRepairActions(viewModel->rulesEditor(), this))
    , m_spinner(new BusySpinner(this))
    , m_infoSymbol(new SymbolView(
          QStringLiteral("info.circle"), TextStyle::caption, ForegroundStyle::tertiary, this))
    , m_errorSymbol(new SymbolView(QStringLiteral("exclamationmark.octagon"), TextStyle::caption,
          ForegroundStyle::secondary, this))
    , m_warningSymbol(new SymbolView(QStringLiteral("exclamationmark.triangle"), TextStyle::caption,
          ForegroundStyle::secondary, this))
    , m_status(new StyledLabel({}, TextStyle::caption, false, ForegroundStyle::secondary, this))
    , m_cancelButton(new QToolButton(this))
    , m_detailsButton(new QToolButton(this))
{
    m_previewButton->setObjectName(QStringLiteral("previewButton"));
    m_organizeButton->setObjectName(QStringLiteral("organizeButton"));
    m_undoButton->setObjectName(QStringLiteral("undoButton"));
    m_tidyBox->setObjectName(QStringLiteral("tidyAutomaticallyBox"));
    m_tidyBox->setToolTip(tr("Organizes the files that land in this folder once they have "
                             "not changed for %n second(s)",
        nullptr, m_viewModel->settleSeconds()));
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_errorSymbol->setObjectName(QStringLiteral("errorSymbol"));
    m_errorSymbol->setAccessibleName(tr("Error"));
    m_warningSymbol->setObjectName(QStringLiteral("warningSymbol"));
    m_warningSymbol->setAccessibleName(tr("Warning"));
    m_cancelButton->setObjectName(QStringLiteral("cancelRunButton"));
    m_cancelButton->setText(tr("Cancel"));
    m_cancelButton->setFont(textStyleFont(TextStyle::caption));
    // The line is as high as its buttons whether they show or not, so nothing below
    // jumps; its width goes to the text, which is not cut for a button that is not there.
    // The text's first line, and the symbol before it, sit in the middle of that height.
    const int lineHeight = m_cancelButton->sizeHint().height();
    const int inset = std::max(0, (lineHeight - m_status->fontMetrics().height()) / 2);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setContentsMargins(0, inset, 0, inset);
    m_status->setMinimumHeight(lineHeight);
    for (SymbolView *symbol : { m_infoSymbol, m_errorSymbol, m_warningSymbol })
        symbol->setMinimumHeight(lineHeight);
    // Alt+C is "Change"; Escape, while the button shows, stops the run.
    m_cancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
    m_rulesButton->setObjectName(QStringLiteral("rulesButton"));
    m_rulesButton->setText(tr("Ru&les…"));
    m_rulesButton->setAccessibleName(tr("Rules"));
    m_rulesButton->setToolTip(tr("Which files go to which folder, and which stay"));
    m_rulesButton->setFocusPolicy(Qt::StrongFocus);
    m_detailsButton->setObjectName(QStringLiteral("detailsButton"));
    m_detailsButton->setText(tr("&Details…"));
    m_detailsButton->setFont(textStyleFont(TextStyle::caption));
    m_detailsButton->setFocusPolicy(Qt::StrongFocus);

    auto *commands = new QHBoxLayout;
    commands->setSpacing(10);
    commands->addWidget(m_previewButton, 1);
    commands->addWidget(m_organizeButton, 1);
    commands->addWidget(m_undoButton, 1);

    auto *statusLine = new QHBoxLayout;
    statusLine->setSpacing(6);
    statusLine->addWidget(m_spinner, 0, Qt::AlignVCenter);
    // At the first line of an error that wraps.
    statusLine->addWidget(m_infoSymbol, 0, Qt::AlignTop);
    statusLine->addWidget(m_errorSymbol, 0, Qt::AlignTop);
    statusLine->addWidget(m_warningSymbol, 0, Qt::AlignTop);
    statusLine->addWidget(m_status, 1);
    statusLine->addWidget(m_detailsButton, 0, Qt::AlignTop);
    statusLine->addWidget(m_cancelButton, 0, Qt::AlignVCenter);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 14, 20, 14);
    column->setSpacing(12);
    column->addLayout(commands);
    auto *switches = new QHBoxLayout;
    switches->addWidget(m_tidyBox, 0, Qt::AlignLeft);
    switches->addStretch(1);
    switches->addWidget(m_rulesButton);
    column->addLayout(switches);
    column->addLayout(statusLine);
    column->addWidget(m_rulesRepair);

    using VM = FolderOrganizerViewModel;
    connect(m_previewButton, &QPushButton::clicked, m_viewModel, &VM::generatePreview);
    connect(m_organizeButton, &QPushButton::clicked, m_viewModel, &VM::organizeNow);
    connect(m_undoButton, &QPushButton::clicked, m_viewModel, &VM::undoLastOperation);
    connect(m_cancelButton, &QToolButton::clicked, m_viewModel, &VM::cancelRun);
    connect(m_tidyBox, &QCheckBox::toggled, m_viewModel, &VM::setTidiesAutomatically);
    connect(m_rulesButton, &QToolButton::clicked, m_viewModel, &VM::showRules);
    connect(m_viewModel, &VM::tidiesAutomaticallyChanged, this, &ActionArea::refreshButtons);
    connect(m_detailsButton, &QToolButton::clicked, this, &ActionArea::showDetails);
    connect(m_viewModel, &VM::runDetailsRequested, this, &ActionArea::showDetails);
    connect(m_viewModel, &VM::runDetailsChanged, this, &ActionArea::refreshStatus);

    connect(m_viewModel, &VM::selectedFolderChanged, this, &ActionArea::refreshButtons);
    connect(m_viewModel, &VM::canUndoChanged, this, &ActionArea::refreshButtons);
    connect(m_viewModel->runHistory(), &QAbstractItemModel::modelReset, this,
        &ActionArea::refreshButtons);
    connect(m_viewModel, &VM::isOrganizingChanged, this, &ActionArea::refreshButtons);
    connect(m_viewModel, &VM::isOrganizingChanged, this, &ActionArea::refreshStatus);
    connect(m_viewModel, &VM::statusMessageChanged, this, &ActionArea::refreshStatus);
    connect(m_viewModel, &VM::isStatusErrorChanged, this, &ActionArea::refreshStatus);
    connect(m_viewModel, &VM::isStatusWarningChanged, this, &ActionArea::refreshStatus);
    connect(m_viewModel, &VM::progressMessageChanged, this, &ActionArea::refreshStatus);
    refreshButtons();
    refreshStatus();
}

void ActionArea::refreshButtons()
{
    const bool hasFolder = !m_viewModel->selectedFolder().isEmpty();
    const bool idle = !m_viewModel->isOrganizing();
    m_previewButton->setEnabled(hasFolder && idle);
    m_organizeButton->setEnabled(hasFolder && idle);
    m_undoButton->setEnabled(m_viewModel->canUndo() && idle);
    // Which run Undo takes back, also after a restart, when the log says nothing yet.
    m_undoButton->setToolTip(
        m_viewModel->canUndo() ? m_viewModel->runHistory()->undoToolTip() : QString());
    // A switch for the selected folder: with none, there is nothing to switch.
    m_tidyBox->setEnabled(hasFolder);
    m_tidyBox->setChecked(m_viewModel->tidiesAutomatically());
}

void ActionArea::refreshStatus()
{
    const bool organizing = m_viewModel->isOrganizing();
    const bool isError = !organizing && m_viewModel->isStatusError();
    const bool isWarning = !organizing && !isError && m_viewModel->isStatusWarning();
    m_spinner->setVisible(organizing);
    m_infoSymbol->setVisible(!organizing && !isError && !isWarning);
    m_errorSymbol->setVisible(isError);
    m_warningSymbol->setVisible(isWarning);
    m_cancelButton->setVisible(organizing);
    const std::shared_ptr<const RunDetails> &details = m_viewModel->runDetails();
    m_detailsButton->setVisible(!organizing && details);
    // Also after a restart, beside "Ready — Inbox", it says which run left what out.
    const QString detailsTitle = details ? RunDetailsModel::titleOf(*details) : QString();
    m_detailsButton->setAccessibleDescription(detailsTitle);
    m_detailsButton->setToolTip(
        details ? detailsTitle + QLatin1Char('\n') + tr("The files left out, and why") : QString());
    // A run tells how far it is; its outcome then becomes the status.
    const QString progress = m_viewModel->progressMessage();
    m_status->setText(organizing && !progress.isEmpty() ? progress : m_viewModel->statusMessage());
    // An error, or an outcome that left files out, is read whole: it wraps rather than
    // lose its counts or its reason to an ellipsis.
    m_status->setWordWrap(isError || isWarning);
    const QColor tint = isError ? errorColor(palette()) : QColor();
    m_status->setColor(tint);
    m_errorSymbol->setTint(tint);
    m_status->setAccessibleDescription(
        isError ? tr("Error") : (isWarning ? tr("Warning") : QString()));
    // A long status cut at the window's width reads whole when hovered.
    m_status->setToolTip(m_viewModel->statusMessage());
}

RunDetailsView *ActionArea::detailsView() const
{
    return m_details;
}

void ActionArea::showDetails()
{
    if (!m_viewModel->runDetails())
        return;
    // One at a time, showing the latest details.
    if (m_details && m_details->model()->details() != m_viewModel->runDetails())
        m_details->close();
    if (!m_details) {
        m_details = new RunDetailsView(m_viewModel->runDetails(), window());
        m_details->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_details->show();
    m_details->raise();
    m_details->activateWindow();
}

void ActionArea::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refreshStatus();
}
