#include "ActionArea.h"
#include "ActivitySection.h"
#include "Autostart.h"
#include "ContentView.h"
#include "MenuBarView.h"
#include "TidyraApp.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The tray menu's switches, "Start at Login" and "Tidy Automatically", and the run
// menu of the activity log's lines.
class TrayMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void startAtLoginWritesTheAutostartEntry();
    void tidyAutomaticallyFromTheTrayOrTheWindow();
};

void TrayMenuTest::startAtLoginWritesTheAutostartEntry()
{
    QTemporaryDir config;
    ViewModelFixture fixture;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const auto app = fixture.makeApp();
    QAction *startAtLogin = app->menuBarView()->startAtLoginAction();

    startAtLogin->trigger();
    QFile entry(config.filePath(QStringLiteral("autostart/io.github.tidyra.Tidyra.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY2(text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\n"))
            && text.contains(QStringLiteral("\nExec=") + QCoreApplication::applicationFilePath()
                + QStringLiteral(" --hidden\nTryExec=") + QCoreApplication::applicationFilePath()),
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

void TrayMenuTest::tidyAutomaticallyFromTheTrayOrTheWindow()
{
    namespace fs = std::filesystem;
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("a.jpg");
    fixture.write("b.pdf");
    const auto app = fixture.makeApp();
    app->start();
    const ContentView &view = *app->contentView();
    QCheckBox *box = view.actionArea()->tidyAutomaticallyBox();
    QAction *entry = app->menuBarView()->tidyAutomaticallyAction();
    QSignalSpy notified(app.get(), &TidyraApp::notified);

    // One switch in the tray and the window. A tray run tells the desktop; an automatic
    // run only the window.
    entry->trigger();
    QVERIFY(box->isChecked() && fixture.watch.folderWatch()->isWatching());
    app->menuBarView()->organizeAction()->trigger();
    QVERIFY(waitForRun(*app->viewModel()));
    // A new "b.pdf", long settled as an automatic run checks.
    fixture.write("b.pdf");
    fs::last_write_time(
        fixture.inbox / "b.pdf", fs::file_time_type::clock::now() - std::chrono::hours(1));
    fixture.watch.change("b.pdf");
    fixture.watch.advance(std::chrono::seconds(60));
    const QString log = QStringLiteral(
        "[10:30] Organized 1 file in Inbox automatically / [10:30] Organized 2 files in Inbox");
    QTRY_VERIFY(shown(view).endsWith("info: Organized 1 file in Inbox automatically | " + log));
    QCOMPARE(notified.size(), 1);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!entry->isChecked() && !fixture.watch.folderWatch()->isWatching());

    // "Undo This Run" on the tray run's line takes back that run, and only that, once.
    const QString trayRun = app->viewModel()->activityRunId(1);
    QMenu *menu = view.activitySection()->runMenu(1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("Undo This Run"));
    menu->actions().front()->trigger();
    QVERIFY(waitForRun(*app->viewModel()));
    QVERIFY(shown(view).endsWith("info: Undo complete — 2 files restored. | [10:30] Undo "
                                 "complete — 2 files restored. / "
        + log));
    QVERIFY(!view.activitySection()->runMenu(0) && !view.activitySection()->runMenu(2));
    // Asked for that run again, it says the run was undone already.
    app->viewModel()->undoRun(trayRun);
    QVERIFY(waitForRun(*app->viewModel()));
    QCOMPARE(app->viewModel()->statusMessage(),
        QStringLiteral("Nothing to undo — that run was undone already."));
}

QTEST_MAIN(TrayMenuTest)
#include "TrayMenuTest.moc"
