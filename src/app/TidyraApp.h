#pragma once

#include "Autostart.h"
#include "FolderPath.h"

#include <QObject>
#include <QTimer>

#include <memory>

class Clock;
class ContentView;
class DesktopNotifier;
class FileSystem;
class FolderChooser;
class FolderOrganizerViewModel;
class FolderWatch;
class HandedFolderChooser;
class MenuBarView;
class QMainWindow;
class QSystemTrayIcon;
class SettingsStore;
class TrayPresence;

// The application: one view model, shared by the main window and the tray icon's menu.
// With a system tray, closing the window leaves Tidyra in the tray; without one, the
// window is the whole application and closing it quits. A tray that appears later (a
// panel that starts after Tidyra at login) is taken up when it comes. Quitting during a
// run stops the run after its current move and quits once it has stopped, so every move
// made is recorded for undo.
class TidyraApp : public QObject
{
    Q_OBJECT

public:
    // With the desktop's folder dialog, the user's settings file and the system clock;
    // remembers the window's place and size.
    explicit TidyraApp(QObject *parent = nullptr);
    // With the given ports (tests, screenshots); the window's geometry is not stored.
    TidyraApp(std::unique_ptr<FolderChooser> chooser, std::unique_ptr<SettingsStore> settings,
        std::unique_ptr<Clock> clock, std::shared_ptr<FileSystem> fileSystem = {},
        QObject *parent = nullptr, FolderWatch *watch = nullptr);
    ~TidyraApp() override;

    // Shows the main window, unless `hidden` and a tray turns up to hold Tidyra instead,
    // and the tray icon where there is a tray.
    void start(bool hidden = false);

    // Brings the window forward and, given a folder, selects it as if the user had chosen
    // it (nothing runs). The folder is passed over while the user is busy with a dialog
    // or a run. False when it was passed over.
    bool activate(const FolderPath &folder = {});
    // Why a folder handed over now would be passed over; empty when it would be taken.
    QString handOverRefusal() const;

    // "N files organized in FOLDER." with ", M skipped" when files were skipped.
    static QString runNotificationText(int organized, int skipped, const QString &folderName);

    // "Quit", Ctrl+Q, and closing the window where there is no tray: quits now, or,
    // during a run, stops it and quits once it has stopped.
    void requestQuit();

    FolderOrganizerViewModel *viewModel() const { return m_viewModel; }
    QMainWindow *mainWindow() const { return m_window.get(); }
    ContentView *contentView() const { return m_contentView; }
    MenuBarView *menuBarView() const { return m_menuBarView; }
    // Null where the desktop has no system tray.
    QSystemTrayIcon *trayIcon() const { return m_tray; }
    TrayPresence *trayPresence() const { return m_trayPresence; }
    Autostart &autostart() { return m_autostart; }

signals:
    // A desktop notification went out (through the desktop's notification service, or
    // the tray's balloon where no service answers).
    void notified(const QString &title, const QString &message);

private:
    void buildScenes(std::unique_ptr<FolderChooser> chooser,
        std::unique_ptr<SettingsStore> settings, std::unique_ptr<Clock> clock,
        std::shared_ptr<FileSystem> fileSystem, FolderWatch *watch);
    void addWindowShortcuts();
    bool watchForTray();
    void showTrayMenu();
    void notify(const QString &message, bool isWarning = false, bool offerUndo = false);
    void undoFromNotification();
    void watchTrayPresence();
    void settleTrayRun();
    void setStartAtLogin(bool enabled);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void restoreGeometry();
    void saveGeometry();

    FolderOrganizerViewModel *m_viewModel = nullptr;
    HandedFolderChooser *m_chooser = nullptr;
    std::unique_ptr<QMainWindow> m_window;
    ContentView *m_contentView = nullptr;
    MenuBarView *m_menuBarView = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    TrayPresence *m_trayPresence = nullptr;
    // The icon went to a StatusNotifier host, not to an X11 tray.
    bool m_trayIsStatusNotifier = false;
    QTimer m_trayWatch;
    DesktopNotifier *m_notifier = nullptr;
    Autostart m_autostart;
    bool m_remembersGeometry = false;
    // An "Organize Now" from the tray is under way; its outcome becomes a notification.
    // Automatic runs notify nothing: the user did not ask for them just now.
    bool m_trayRun = false;
    // Quit was asked for during a run, which is stopping.
    bool m_quitWhenStopped = false;
};
