#include "TidyraApp.h"

#include "ContentView.h"
#include "FileDialogFolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "MenuBarView.h"
#include "QSettingsStore.h"
#include "Symbols.h"
#include "SystemClock.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

TidyraApp::TidyraApp(QObject *parent)
    : QObject(parent)
{
    auto chooser = std::make_unique<FileDialogFolderChooser>();
    FileDialogFolderChooser *dialogChooser = chooser.get();
    m_viewModel = new FolderOrganizerViewModel(std::move(chooser),
        std::make_unique<QSettingsStore>(), std::make_unique<SystemClock>(), {}, this);
    buildScenes();
    // The view model exists before the window it asks over.
    dialogChooser->setParentWidget(m_window.get());
}

TidyraApp::TidyraApp(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock, QObject *parent)
    : QObject(parent)
    , m_viewModel(new FolderOrganizerViewModel(
          std::move(chooser), std::move(settings), std::move(clock), {}, this))
{
    buildScenes();
}

// The window goes first: its views still hold the view model, which is a child of this.
TidyraApp::~TidyraApp() = default;

void TidyraApp::buildScenes()
{
    m_window = std::make_unique<QMainWindow>();
    m_window->setObjectName(QStringLiteral("mainWindow"));
    m_contentView = new ContentView(m_viewModel, m_window.get());
    m_window->setCentralWidget(m_contentView);
    m_window->resize(520, 540);

    m_menuBarView = new MenuBarView(m_viewModel, this);
}

void TidyraApp::start()
{
    m_window->show();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return; // the window is the application, and closing it quits

    m_tray = new QSystemTrayIcon(this);
    m_tray->setIcon(Symbols::icon(
        QStringLiteral("folder.badge.gear"), QApplication::palette().color(QPalette::Highlight)));
    m_tray->setToolTip(QStringLiteral("Tidyra"));
    m_tray->setContextMenu(m_menuBarView->menu());
    connect(m_tray, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                showTrayMenu();
        });
    m_tray->show();
    QApplication::setQuitOnLastWindowClosed(false);
}

void TidyraApp::showTrayMenu()
{
    // Many trays open the context menu only on a right click; a left click drops it too.
    const QRect iconArea = m_tray->geometry();
    m_menuBarView->menu()->popup(iconArea.isValid() ? iconArea.bottomLeft() : QCursor::pos());
}
