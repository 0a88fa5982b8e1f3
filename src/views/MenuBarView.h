#pragma once

#include <QColor>
#include <QObject>

#include <memory>

class FolderOrganizerViewModel;
class QAction;
class QMenu;

// The tray icon's menu: the selected folder, "Organize Now", "Tidy Automatically", "Open
// Tidyra", "Rules…", "Start at login" and "Quit". It follows the view model's selected folder at
// once; while a run lasts, a line under the folder tells its progress and "Organize Now" is off, as
// it is while the preview or the folder dialog is open. What "Start at login" and "Quit" do is up
// to the application, which listens to the actions.
class MenuBarView : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarView(FolderOrganizerViewModel *viewModel, QObject *parent = nullptr);
    ~MenuBarView() override;

    FolderOrganizerViewModel *viewModel() const { return m_viewModel; }
    QMenu *menu() const { return m_menu.get(); }
    QAction *folderAction() const { return m_folderAction; }
    // Shown only while a run lasts.
    QAction *runAction() const { return m_runAction; }
    QAction *detailsAction() const { return m_detailsAction; }
    QAction *organizeAction() const { return m_organizeAction; }
    // Checkable: the view model's switch, for the selected folder.
    QAction *tidyAutomaticallyAction() const { return m_tidyAction; }
    QAction *openAction() const { return m_openAction; }
    // Opens the Rules window; Ctrl+, where the application adds it to the window.
    QAction *rulesAction() const { return m_rulesAction; }
    // Checkable; its check mark is set by the application.
    QAction *startAtLoginAction() const { return m_startAtLoginAction; }
    QAction *quitAction() const { return m_quitAction; }

    // The colour of the menu's symbols; invalid (the default) follows the palette's text.
    void setIconTint(const QColor &tint);
    // A grey that stands out 3:1 from any menu colour from white to near black: for a
    // menu the panel draws, in colours Tidyra cannot know.
    static QColor neutralIconTint();

    // Brings the existing main window to the front, restoring it when minimized or
    // hidden in the tray. Creates no window.
    static void showMainWindow();

signals:
    // "Organize Now" was chosen; sent before the view model is asked to organize.
    void organizeTriggered();

private:
    void refresh();

    FolderOrganizerViewModel *m_viewModel;
    std::unique_ptr<QMenu> m_menu;
    QAction *m_folderAction;
    QAction *m_runAction;
    QAction *m_detailsAction;
    QAction *m_organizeAction;
    QAction *m_tidyAction;
    QAction *m_openAction;
    QAction *m_rulesAction;
    QAction *m_startAtLoginAction;
    QAction *m_quitAction;
    QColor m_iconTint;
};
