#pragma once

#include <QObject>

#include <memory>

class Clock;
class ContentView;
class FolderChooser;
class FolderOrganizerViewModel;
class MenuBarView;
class QMainWindow;
class QSystemTrayIcon;
class SettingsStore;

// The application: one view model, shared by the main window and the tray icon's menu.
// With a system tray, closing the window leaves Tidyra in the tray; without one, the
// window is the whole application and closing it quits.
class TidyraApp : public QObject
{
    Q_OBJECT

public:
    // With the desktop's folder dialog, the user's settings file and the system clock.
    explicit TidyraApp(QObject *parent = nullptr);
    // With the given ports (tests, screenshots).
    TidyraApp(std::unique_ptr<FolderChooser> chooser, std::unique_ptr<SettingsStore> settings,
        std::unique_ptr<Clock> clock, QObject *parent = nullptr);
    ~TidyraApp() override;

    // Shows the main window and, where there is a tray, the tray icon.
    void start();

    FolderOrganizerViewModel *viewModel() const { return m_viewModel; }
    QMainWindow *mainWindow() const { return m_window.get(); }
    ContentView *contentView() const { return m_contentView; }
    MenuBarView *menuBarView() const { return m_menuBarView; }
    // Null where the desktop has no system tray.
    QSystemTrayIcon *trayIcon() const { return m_tray; }

private:
    void buildScenes();
    void showTrayMenu();

    FolderOrganizerViewModel *m_viewModel;
    std::unique_ptr<QMainWindow> m_window;
    ContentView *m_contentView = nullptr;
    MenuBarView *m_menuBarView = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
};
