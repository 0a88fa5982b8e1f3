#include "TidyraApp.h"

#include "AppDelegate.h"
#include "ContentView.h"
#include "DesktopNotifier.h"
#include "FileDialogFolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "FolderPath.h"
#include "HandedFolderChooser.h"
#include "MenuBarView.h"
#include "QSettingsStore.h"
#include "ScreenFit.h"
#include "SystemClock.h"
#include "TrayPresence.h"
#include "WindowActivation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>

#include <utility>

namespace {

constexpr QLatin1String geometryKey("windowGeometry");
// How often a missing tray is looked for, and how long a hidden start waits for one.
constexpr int trayWatchIntervalMs = 2000;
constexpr int hiddenStartPatienceMs = 15000;
constexpr int notificationMs = 8000;

} // namespace

TidyraApp::TidyraApp(QObject *parent)
    : QObject(parent)
    , m_remembersGeometry(true)
{
    auto dialog = std::make_unique<FileDialogFolderChooser>();
    FileDialogFolderChooser *dialogChooser = dialog.get();
    buildScenes(std::move(dialog), std::make_unique<QSettingsStore>(),
        std::make_unique<SystemClock>(), {}, nullptr);
    // The view model exists before the window it asks over.
    dialogChooser->setParentWidget(m_window.get());
    dialogChooser->setCurrentFolder(
        [viewModel = m_viewModel] { return viewModel->selectedFolder(); });
}

TidyraApp::TidyraApp(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, QObject *parent, FolderWatch *watch)
    : QObject(parent)
{
    buildScenes(
        std::move(chooser), std::move(settings), std::move(clock), std::move(fileSystem), watch);
}

// The window goes first: its views still hold the view model, which is a child of this.
TidyraApp::~TidyraApp() = default;

void TidyraApp::buildScenes(std::unique_ptr<FolderChooser> chooser,
    std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
    std::shared_ptr<FileSystem> fileSystem, FolderWatch *watch)
{
    auto handed = std::make_unique<HandedFolderChooser>(std::move(chooser));
    m_chooser = handed.get();
    m_viewModel = new FolderOrganizerViewModel(std::move(handed), std::move(settings),
        std::move(clock), std::move(fileSystem), this, watch);

    m_window = std::make_unique<QMainWindow>();
    m_window->setObjectName(QStringLiteral("mainWindow"));
    m_window->setAccessibleName(tr("Tidyra"));
    m_window->setAccessibleDescription(tr("Sorts the files of a folder into category folders"));
    m_contentView = new ContentView(m_viewModel, m_window.get());
    m_window->setCentralWidget(m_contentView);
    m_window->resize(520, 540);
    m_window->installEventFilter(this);

    m_menuBarView = new MenuBarView(m_viewModel, this);
    connect(m_menuBarView->quitAction(), &QAction::triggered, this, &TidyraApp::requestQuit,
        Qt::QueuedConnection);
    connect(m_viewModel, &FolderOrganizerViewModel::isOrganizingChanged, this, [this] {
        if (m_quitWhenStopped && !m_viewModel->isOrganizing())
            QCoreApplication::quit();
    });
    addWindowShortcuts();

    QAction *startAtLogin = m_menuBarView->startAtLoginAction();
    startAtLogin->setChecked(m_autostart.isEnabled());
    connect(startAtLogin, &QAction::toggled, this, &TidyraApp::setStartAtLogin);

    // A tray run tells its outcome: the counts once the plan ran, else the status
    // (nothing to organize, an error) once the run is over.
    connect(m_menuBarView, &MenuBarView::organizeTriggered, this, [this] { m_trayRun = true; });
    connect(m_viewModel, &FolderOrganizerViewModel::planApplied, this,
        [this](int organized, int skipped) {
            if (!std::exchange(m_trayRun, false))
                return;
            notify(runNotificationText(
                       organized, skipped, m_viewModel->selectedFolder().displayName()),
                skipped > 0, organized > 0);
        });
    // Undo in a notification undoes the run it tells of, and no other: it is taken back
    // once that run is no longer the one Undo would undo.
    m_notifier = new DesktopNotifier(this);
    connect(m_notifier, &DesktopNotifier::undoInvoked, this, &TidyraApp::undoFromNotification);
    connect(m_notifier, &DesktopNotifier::clicked, this, [this] { activate(); });
    connect(m_notifier, &DesktopNotifier::unanswered, this,
        [this](const QString &title, const QString &message, bool isWarning) {
            if (m_tray)
                m_tray->showMessage(title, message,
                    isWarning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                    notificationMs);
        });
    for (const auto change : { &FolderOrganizerViewModel::selectedFolderChanged,
             &FolderOrganizerViewModel::isOrganizingChanged,
             &FolderOrganizerViewModel::canUndoChanged })
        connect(m_viewModel, change, this, [this] {
            // An automatic run that moves nothing leaves the last run as it was.
            if ((m_viewModel->isOrganizing() && !m_viewModel->isTidyingAutomatically())
                || !m_viewModel->canUndo())
                m_notifier->withdrawUndo();
        });
    connect(m_viewModel, &FolderOrganizerViewModel::tidiedAutomatically, m_notifier,
        &DesktopNotifier::withdrawUndo);
    connect(m_viewModel, &FolderOrganizerViewModel::selectedFolderChanged, m_notifier,
        &DesktopNotifier::withdrawUndo);
    // "Open Tidyra" lands on the dialog the user left open, not on the window below it.
    connect(m_menuBarView->openAction(), &QAction::triggered, this, [this] { activate(); });
    connect(m_menuBarView->organizeAction(), &QAction::triggered, this, &TidyraApp::settleTrayRun);
    connect(m_viewModel, &FolderOrganizerViewModel::isOrganizingChanged, this,
        &TidyraApp::settleTrayRun, Qt::QueuedConnection);

    // A StatusNotifier host is announced on the bus; an X11 tray is looked for.
    m_trayPresence = new TrayPresence(this);
    connect(m_trayPresence, &TrayPresence::answered, this, &TidyraApp::watchTrayPresence);
    m_trayWatch.setInterval(trayWatchIntervalMs);
    connect(&m_trayWatch, &QTimer::timeout, this, &TidyraApp::watchTrayPresence);
}

void TidyraApp::addWindowShortcuts()
{
    auto *choose = new QAction(tr("Choose Folder…"), m_window.get());
    choose->setShortcut(QKeySequence::Open);
    connect(choose, &QAction::triggered, m_viewModel, &FolderOrganizerViewModel::chooseFolder);
    m_window->addAction(choose);
    // The tray menu's own "Quit" and "Rules…", so Ctrl+Q and Ctrl+, in the window do
    // what the menu does.
    m_window->addAction(m_menuBarView->quitAction());
    m_window->addAction(m_menuBarView->rulesAction());
}

void TidyraApp::start(bool hidden)
{
    restoreGeometry();
    ScreenFit::fit(m_window.get());
    const bool hasTray = watchForTray();
    if (!hidden)
        m_window->show();
    // The window is the application, and closing it quits, until a tray turns up. At
    // login the panel may come a little after Tidyra; without one, the window shows.
    // A tray that goes away later (the panel crashed or was removed) is noticed too.
    m_trayWatch.start();
    if (hidden && !hasTray) {
        QTimer::singleShot(hiddenStartPatienceMs, this, [this] {
            if (!m_tray)
                m_window->show();
        });
    }
}

bool TidyraApp::watchForTray()
{
    if (m_tray)
        return true;
    // QSystemTrayIcon is not asked before a tray is known: its first answer is its last.
    // Made while a StatusNotifier host is there, the icon goes to that host (and its menu
    // is drawn by the panel); otherwise to the X11 tray. Qt asks the bus itself, so the
    // bus's answer is awaited, or Qt could pick a host this took for an X11 tray.
    if (!m_trayPresence->hasAnswered())
        return false;
    if (m_trayPresence->hasStatusNotifierHost())
        m_trayIsStatusNotifier = true;
    else if (!TrayPresence::hasXEmbedTray())
        return false;

    m_tray = new QSystemTrayIcon(this);
    // The installed icon by name, which the panel looks up in its own theme; the bundled
    // picture where none is installed.
    m_tray->setIcon(AppDelegate::applicationIcon());
    // A panel draws the menu in its own colours, which Tidyra cannot know: icons drawn
    // here take a grey that reads on light and dark menus alike.
    if (m_trayIsStatusNotifier)
        m_menuBarView->setIconTint(MenuBarView::neutralIconTint());
    m_tray->setToolTip(QStringLiteral("Tidyra"));
    m_tray->setContextMenu(m_menuBarView->menu());
    connect(m_tray, &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                showTrayMenu();
        });
    connect(m_tray, &QSystemTrayIcon::messageClicked, this, [] { MenuBarView::showMainWindow(); });
    m_tray->show();
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void TidyraApp::watchTrayPresence()
{
    if (!m_tray) {
        watchForTray();
        return;
    }
    const bool available = m_trayIsStatusNotifier ? m_trayPresence->hasStatusNotifierHost()
                                                  : TrayPresence::hasXEmbedTray();
    if (available == !QApplication::quitOnLastWindowClosed())
        return;
    // Without a tray the window is the only way back to Tidyra: it shows, and closing
    // it quits. Qt puts the icon back by itself when a tray returns.
    QApplication::setQuitOnLastWindowClosed(!available);
    if (!available)
        activate();
}

void TidyraApp::showTrayMenu()
{
    // Many trays open the context menu only on a right click; a left click drops it too,
    // at the icon. A Wayland client neither knows where the icon is nor where the
    // pointer was, so there a left click opens the window instead and the menu stays
    // with the right click, which the tray draws itself.
    const QRect iconArea = m_tray->geometry();
    if (iconArea.isValid())
        m_menuBarView->menu()->popup(iconArea.bottomLeft());
    else if (QGuiApplication::platformName().startsWith(u"wayland"))
        activate();
    else
        m_menuBarView->menu()->popup(QCursor::pos());
}

bool TidyraApp::activate(const FolderPath &folder)
{
    WindowActivation::bringForward(m_window.get());
    if (folder.isEmpty())
        return true;
    if (!handOverRefusal().isEmpty())
        return false;
    if (!m_chooser->hand(folder))
        return false;
    m_viewModel->chooseFolder();
    return true;
}

QString TidyraApp::handOverRefusal() const
{
    // A dialog (the folder chooser, the preview) or a run has the user's attention. Told
    // to the launch on its terminal, which the app's language does not reach.
    if (m_viewModel->isShowingPreview())
        return QStringLiteral("the preview is open in Tidyra; close it and try again");
    if (m_chooser->isAsking())
        return QStringLiteral("Tidyra is asking for a folder; close that dialog and try again");
    if (m_viewModel->isOrganizing())
        return QStringLiteral("Tidyra is busy with a run; try again when it is over");
    return {};
}

QString TidyraApp::runNotificationText(int organized, int skipped, const QString &folderName)
{
    if (skipped == 0)
        return tr("%n file(s) organized in %1.", nullptr, organized).arg(folderName);
    return tr("%n file(s) organized in %1, %2.", nullptr, organized)
        .arg(folderName, tr("%n skipped", nullptr, skipped));
}

void TidyraApp::requestQuit()
{
    if (!m_viewModel->isOrganizing()) {
        QCoreApplication::quit();
        return;
    }
    // The run stops after its current move, which the journal records, and the
    // isOrganizing change that follows quits.
    m_quitWhenStopped = true;
    m_viewModel->cancelRun();
}

void TidyraApp::notify(const QString &message, bool isWarning, bool offerUndo)
{
    const QString title = QStringLiteral("Tidyra");
    m_notifier->notify(title, message, isWarning, offerUndo);
    emit notified(title, message);
}

void TidyraApp::undoFromNotification()
{
    if (m_viewModel->isOrganizing() || m_viewModel->isInDialog() || !m_viewModel->canUndo())
        return;
    // Its outcome is told the same way, once the undo is over.
    m_trayRun = true;
    m_viewModel->undoLastOperation();
}

void TidyraApp::settleTrayRun()
{
    // Still running (on a worker), or already told through planApplied.
    if (!m_trayRun || m_viewModel->isOrganizing())
        return;
    m_trayRun = false;
    notify(m_viewModel->statusMessage());
}

void TidyraApp::setStartAtLogin(bool enabled)
{
    const QString failure = m_autostart.setEnabled(enabled);
    if (failure.isEmpty())
        return;
    const QSignalBlocker blocker(m_menuBarView->startAtLoginAction());
    m_menuBarView->startAtLoginAction()->setChecked(m_autostart.isEnabled());
    notify(failure, true);
}

bool TidyraApp::eventFilter(QObject *watched, QEvent *event)
{
    // tidyra-cli may have recorded or undone a run of the folder meanwhile.
    if (watched == m_window.get()
        && (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        && !m_viewModel->isOrganizing())
        m_viewModel->refreshCanUndo();
    if (watched == m_window.get() && event->type() == QEvent::Close) {
        // Without a tray, closing the window quits; during a run it stays up until
        // the run has stopped.
        if (QApplication::quitOnLastWindowClosed() && m_viewModel->isOrganizing()) {
            event->ignore();
            requestQuit();
            return true;
        }
        saveGeometry();
    }
    return QObject::eventFilter(watched, event);
}

void TidyraApp::restoreGeometry()
{
    if (!m_remembersGeometry)
        return;
    const QSettings settings(QStringLiteral("Tidyra"), QStringLiteral("Tidyra"));
    const QByteArray geometry = settings.value(geometryKey).toByteArray();
    if (!geometry.isEmpty())
        m_window->restoreGeometry(geometry);
    connect(
        qApp, &QCoreApplication::aboutToQuit, this, &TidyraApp::saveGeometry, Qt::UniqueConnection);
}

void TidyraApp::saveGeometry()
{
    if (!m_remembersGeometry || !m_window->isVisible())
        return;
    QSettings settings(QStringLiteral("Tidyra"), QStringLiteral("Tidyra"));
    settings.setValue(geometryKey, m_window->saveGeometry());
}
