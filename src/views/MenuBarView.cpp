#include "MenuBarView.h"

#include "FolderOrganizerViewModel.h"
#include "Symbols.h"
#include "TextStyle.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>

MenuBarView::MenuBarView(FolderOrganizerViewModel *viewModel, QObject *parent)
    : QObject(parent)
    , m_viewModel(viewModel)
    , m_menu(std::make_unique<QMenu>())
{
    // The folder line reads as text, not greyed out as a disabled entry would; choosing
    // it opens the window, where the folder is shown and changed.
    m_folderAction = m_menu->addAction(QString());
    m_folderAction->setFont(textStyleFont(TextStyle::caption));
    m_runAction = m_menu->addAction(QString());
    m_runAction->setFont(textStyleFont(TextStyle::caption));
    m_runAction->setEnabled(false);
    m_detailsAction = m_menu->addAction(tr("Details…"));
    m_menu->addSeparator();
    m_organizeAction = m_menu->addAction(tr("Organize Now"));
    m_tidyAction = m_menu->addAction(tr("Tidy Automatically"));
    m_tidyAction->setCheckable(true);
    m_menu->addSeparator();
    m_openAction = m_menu->addAction(tr("Open Tidyra"));
    m_rulesAction = m_menu->addAction(tr("Rules…"));
    m_rulesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    m_startAtLoginAction = m_menu->addAction(tr("Start at login"));
    m_startAtLoginAction->setCheckable(true);
    m_quitAction = m_menu->addAction(tr("Quit"));
    // Spelled out: not every platform theme binds QKeySequence::Quit (Windows has none).
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    setIconTint({});

    connect(m_organizeAction, &QAction::triggered, this, [this] {
        emit organizeTriggered();
        m_viewModel->organizeNow();
        showMainWindow();
    });
    connect(m_tidyAction, &QAction::toggled, m_viewModel,
        &FolderOrganizerViewModel::setTidiesAutomatically);
    connect(m_openAction, &QAction::triggered, this, &MenuBarView::showMainWindow);
    connect(m_rulesAction, &QAction::triggered, m_viewModel, &FolderOrganizerViewModel::showRules);
    connect(m_folderAction, &QAction::triggered, this, &MenuBarView::showMainWindow);
    connect(m_detailsAction, &QAction::triggered, this, [this] {
        showMainWindow();
        m_viewModel->showRunDetails();
    });
    using VM = FolderOrganizerViewModel;
    for (const auto change : { &VM::selectedFolderChanged, &VM::isOrganizingChanged,
             &VM::progressMessageChanged, &VM::runDetailsChanged, &VM::tidiesAutomaticallyChanged,
             &VM::isShowingPreviewChanged, &VM::isChoosingFolderChanged })
        connect(m_viewModel, change, this, &MenuBarView::refresh);
    refresh();
}

MenuBarView::~MenuBarView() = default;

void MenuBarView::setIconTint(const QColor &tint)
{
    m_iconTint = tint;
    m_organizeAction->setIcon(Symbols::icon(QStringLiteral("sparkles"), m_iconTint));
    refresh();
}

QColor MenuBarView::neutralIconTint()
{
    // 3.5:1 on white, 3.1:1 on #3c3c3c, more on darker menus.
    return QColor(0x88, 0x88, 0x88);
}

void MenuBarView::refresh()
{
    const bool hasFolder = !m_viewModel->selectedFolder().isEmpty();
    if (hasFolder) {
        QString name = m_viewModel->selectedFolder().displayName();
        // Shown verbatim: an ampersand in a folder name is not a mnemonic.
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        m_folderAction->setText(name);
        m_folderAction->setIcon(Symbols::icon(QStringLiteral("folder.fill"), m_iconTint));
    } else {
        m_folderAction->setText(tr("No folder selected"));
        m_folderAction->setIcon(QIcon());
    }
    const bool organizing = m_viewModel->isOrganizing();
    m_runAction->setVisible(organizing);
    QString progress = m_viewModel->progressMessage();
    m_runAction->setText(progress.replace(QLatin1Char('&'), QStringLiteral("&&")));
    // Behind the preview or the folder dialog the folder stays as the user sees it there.
    m_organizeAction->setEnabled(hasFolder && !organizing && !m_viewModel->isInDialog());
    m_tidyAction->setEnabled(hasFolder);
    m_tidyAction->setChecked(m_viewModel->tidiesAutomatically());
    // What the last run (from the tray too) left out is one step away.
    m_detailsAction->setVisible(!organizing && m_viewModel->runDetails());
}

void MenuBarView::showMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        auto *window = qobject_cast<QMainWindow *>(widget);
        if (!window)
            continue;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
}
