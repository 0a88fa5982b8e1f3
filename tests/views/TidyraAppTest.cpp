#include "TidyraApp.h"
#include "ActionArea.h"
#include "AppDelegate.h"
#include "Autostart.h"
#include "ContentView.h"
#include "FolderHeader.h"
#include "MenuBarView.h"
#include "PreviewView.h"
#include "StyledLabel.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

class TidyraAppTest : public QObject
{
    Q_OBJECT

private slots:
    void windowSheetAndMenuShareOneViewModel();
    void startAtLoginWritesTheAutostartEntry();
};

void TidyraAppTest::windowSheetAndMenuShareOneViewModel()
{
    ViewModelFixture fixture;
    fixture.write("a.jpg");
    fixture.write("b.txt");
    const auto app = fixture.makeApp();
    app->start();
    QSignalSpy notified(app.get(), &TidyraApp::notified);
    FolderOrganizerViewModel *viewModel = app->viewModel();
    QMainWindow *window = app->mainWindow();
    ActionArea *actions = app->contentView()->actionArea();
    // The offscreen platform has no tray: the window is the application.
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable() && !app->trayIcon());
    QVERIFY(QApplication::quitOnLastWindowClosed() && window->isVisible());
    AppDelegate::applicationDidFinishLaunching();
    QVERIFY(!QApplication::windowIcon().pixmap(64, 64).isNull());

    // Ctrl+O asks for the folder in the window; the menu sees it at once.
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    fixture.answers->push_back(fixture.inboxPath());
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(app->menuBarView()->folderAction()->iconText(), QStringLiteral("Inbox"));

    // The sheet acts on the same state; while it is up, a folder handed over by another
    // launch is passed over.
    QTest::mouseClick(actions->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    QTemporaryDir other;
    QVERIFY(!app->activate(other.path()));
    QCOMPARE(viewModel->selectedFolderPath(), fixture.inboxPath());
    QTest::mouseClick(app->contentView()->previewView()->applyButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(actions->undoButton()->isEnabled());

    // Organized from the menu: the window comes up and a notification tells.
    QTest::mouseClick(actions->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    window->hide();
    app->menuBarView()->organizeAction()->trigger();
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(window->isVisible());
    QCOMPARE(actions->statusLabel()->text(), QStringLiteral("2 files organized."));
    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(notified.size(), 2);
    QCOMPARE(notified.first().at(0).toString() + u'|' + notified.first().at(1).toString(),
        QStringLiteral("Tidyra|2 files organized in Inbox."));
    QCOMPARE(notified.last().at(1).toString(),
        QStringLiteral("Nothing to organize — folder is already tidy."));
    QCOMPARE(TidyraApp::runNotificationText(3, 2, QStringLiteral("Downloads")),
        QStringLiteral("3 files organized in Downloads, 2 skipped."));

    // Alt+O organizes from the window (with a short click animation); no notification.
    fixture.write("c.mp3");
    QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(viewModel->statusMessage(), QStringLiteral("1 file organized."));
    QCOMPARE(notified.size(), 2);

    // A folder handed over is selected as if chosen, and nothing more: no run starts.
    window->hide();
    fixture.write("d.mp3");
    QVERIFY(app->activate(other.path()));
    QVERIFY(window->isVisible());
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("Ready — ") + QDir(other.path()).dirName());
    QVERIFY(std::filesystem::exists(fixture.inbox / "d.mp3"));
    QCOMPARE(app->findChildren<FolderOrganizerViewModel *>().size(), 1);
}

void TidyraAppTest::startAtLoginWritesTheAutostartEntry()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ViewModelFixture fixture;
    const auto app = fixture.makeApp();
    QAction *startAtLogin = app->menuBarView()->startAtLoginAction();
    QVERIFY(!startAtLogin->isChecked());

    startAtLogin->trigger();
    QFile entry(config.filePath(QStringLiteral("autostart/io.github.tidyra.Tidyra.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY2(text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\n"))
            && text.contains(QStringLiteral("\nExec=") + QCoreApplication::applicationFilePath()
                + QStringLiteral(" --hidden\n")),
        qPrintable(text));
    // A later launch sees it on.
    QVERIFY(fixture.makeApp()->menuBarView()->startAtLoginAction()->isChecked());
    startAtLogin->trigger();
    QVERIFY(!entry.exists());

    // A path with blanks and quotes is quoted as desktop entries want.
    QVERIFY(Autostart::entryText(QStringLiteral("/opt/My Apps/ti\"dy"))
                .contains(QStringLiteral("Exec=\"/opt/My Apps/ti\\\\\"dy\" --hidden\n")));

    // Where the folder cannot be made, the mark goes off again and the user is told.
    QDir(config.path()).rmdir(QStringLiteral("autostart"));
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy notified(app.get(), &TidyraApp::notified);
    startAtLogin->trigger();
    QVERIFY(!startAtLogin->isChecked());
    QCOMPARE(notified.size(), 1);
    QVERIFY(notified.first().at(1).toString().startsWith(QStringLiteral("Cannot create")));
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_MAIN(TidyraAppTest)
#include "TidyraAppTest.moc"
