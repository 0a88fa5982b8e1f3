#include "TidyraApp.h"
#include "ActionArea.h"
#include "AppDelegate.h"
#include "Autostart.h"
#include "ContentView.h"
#include "FaultInjectingFileSystem.h"
#include "FolderHeader.h"
#include "MenuBarView.h"
#include "PreviewView.h"
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
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

std::unique_ptr<TidyraApp> makeApp(const ViewModelFixture &fixture)
{
    return std::make_unique<TidyraApp>(std::make_unique<QueuedFolderChooser>(fixture.answers),
        std::make_unique<MemorySettingsStore>(fixture.restoredFolder.value_or(QString())),
        std::make_unique<FixedClock>(testTimeOfDay));
}

} // namespace

class TidyraAppTest : public QObject
{
    Q_OBJECT

private slots:
    void oneViewModelForWindowSheetAndMenu();
    void withoutTrayTheWindowIsTheApplication();
    void launchHookSetsTheApplicationIcon();
    void trayRunEndsInANotification();
    void handedFolderIsSelectedAsIfChosen();
    void startAtLoginWritesTheAutostartEntry();
    void keyboardReachesTheCommands();
    void quittingDuringARunWaitsForItToStop();
};

void TidyraAppTest::oneViewModelForWindowSheetAndMenu()
{
    ViewModelFixture fixture;
    fixture.write("a.jpg");
    fixture.write("b.txt");
    TidyraApp app(std::make_unique<QueuedFolderChooser>(fixture.answers),
        std::make_unique<MemorySettingsStore>(), std::make_unique<FixedClock>(testTimeOfDay));
    app.start();

    QCOMPARE(app.findChildren<FolderOrganizerViewModel *>().size(), 1);
    FolderOrganizerViewModel *viewModel = app.viewModel();
    QCOMPARE(app.contentView()->viewModel(), viewModel);
    QCOMPARE(app.menuBarView()->viewModel(), viewModel);
    QCOMPARE(app.mainWindow()->centralWidget(), app.contentView());

    // Chosen in the window, seen in the menu at once.
    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(app.contentView()->header()->folderButton(), Qt::LeftButton);
    QCOMPARE(app.menuBarView()->folderAction()->iconText(), QStringLiteral("Inbox"));
    QVERIFY(app.menuBarView()->organizeAction()->isEnabled());

    // The sheet shows the same state and acts on it.
    QTest::mouseClick(app.contentView()->actionArea()->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    PreviewView *preview = app.contentView()->previewView();
    QVERIFY(preview);
    QCOMPARE(preview->viewModel(), viewModel);
    QTest::mouseClick(preview->applyButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(app.contentView()->actionArea()->undoButton()->isEnabled());

    // Organized from the menu, reported in the window.
    QTest::mouseClick(app.contentView()->actionArea()->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    app.mainWindow()->hide();
    app.menuBarView()->organizeAction()->trigger();
    QVERIFY(app.mainWindow()->isVisible());
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(app.contentView()
                 ->actionArea()
                 ->findChild<QWidget *>(QStringLiteral("statusLabel"))
                 ->property("text")
                 .toString(),
        QStringLiteral("2 files organized."));
    QCOMPARE(app.findChildren<FolderOrganizerViewModel *>().size(), 1);
}

void TidyraAppTest::withoutTrayTheWindowIsTheApplication()
{
    // The offscreen platform has no system tray.
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    ViewModelFixture fixture;
    TidyraApp app(std::make_unique<QueuedFolderChooser>(fixture.answers),
        std::make_unique<MemorySettingsStore>(), std::make_unique<FixedClock>(testTimeOfDay));
    app.start();

    QVERIFY(!app.trayIcon());
    QVERIFY(QApplication::quitOnLastWindowClosed());
    QVERIFY(app.mainWindow()->isVisible());
    QVERIFY(app.mainWindow()->minimumWidth() >= 460);
    QVERIFY(app.mainWindow()->minimumHeight() >= 360);
}

void TidyraAppTest::launchHookSetsTheApplicationIcon()
{
    QApplication::setWindowIcon(QIcon());
    AppDelegate::applicationDidFinishLaunching();
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().pixmap(64, 64).isNull());
}

void TidyraAppTest::trayRunEndsInANotification()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("a.jpg");
    fixture.write("b.txt");
    const auto app = makeApp(fixture);
    app->start();
    QSignalSpy notified(app.get(), &TidyraApp::notified);

    app->menuBarView()->organizeAction()->trigger();
    QVERIFY(waitForRun(*app->viewModel()));
    QCOMPARE(notified.size(), 1);
    QCOMPARE(notified.first().at(0).toString(), QStringLiteral("Tidyra"));
    QCOMPARE(notified.first().at(1).toString(), QStringLiteral("2 files organized in Inbox."));

    // Nothing left to move: the notification says so. A run from the window tells nothing.
    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(notified.size(), 2);
    QCOMPARE(notified.last().at(1).toString(),
        QStringLiteral("Nothing to organize — folder is already tidy."));
    fixture.write("c.mp3");
    QTest::mouseClick(app->contentView()->actionArea()->organizeButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*app->viewModel()));
    QCOMPARE(app->viewModel()->statusMessage(), QStringLiteral("1 file organized."));
    QTest::qWait(20);
    QCOMPARE(notified.size(), 2);

    QCOMPARE(TidyraApp::runNotificationText(1, 0, QStringLiteral("Downloads")),
        QStringLiteral("1 file organized in Downloads."));
    QCOMPARE(TidyraApp::runNotificationText(3, 2, QStringLiteral("Downloads")),
        QStringLiteral("3 files organized in Downloads, 2 skipped."));
}

void TidyraAppTest::handedFolderIsSelectedAsIfChosen()
{
    ViewModelFixture fixture;
    fixture.write("a.jpg");
    const auto app = makeApp(fixture);
    app->start();
    app->mainWindow()->hide();

    QVERIFY(app->activate(fixture.inboxPath()));
    QVERIFY(app->mainWindow()->isVisible());
    QCOMPARE(app->viewModel()->selectedFolderPath(), fixture.inboxPath());
    QCOMPARE(app->viewModel()->statusMessage(), QStringLiteral("Ready — Inbox"));
    // Selected, and nothing more: no run starts from outside.
    QVERIFY(std::filesystem::exists(fixture.inbox / "a.jpg"));
    QVERIFY(!app->viewModel()->canUndo());

    // While the preview is up the user is busy; the folder is passed over.
    app->viewModel()->generatePreview();
    QVERIFY(waitForRun(*app->viewModel()));
    QVERIFY(app->viewModel()->isShowingPreview());
    QTemporaryDir other;
    QVERIFY(!app->activate(other.path()));
    QCOMPARE(app->viewModel()->selectedFolderPath(), fixture.inboxPath());
    // The folder dialog, asked next, is still the user's to answer.
    app->viewModel()->setIsShowingPreview(false);
    fixture.answers->push_back(std::nullopt);
    app->viewModel()->chooseFolder();
    QVERIFY(fixture.answers->empty());
}

void TidyraAppTest::startAtLoginWritesTheAutostartEntry()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ViewModelFixture fixture;
    const auto app = makeApp(fixture);
    QAction *startAtLogin = app->menuBarView()->startAtLoginAction();
    QVERIFY(startAtLogin->isCheckable());
    QVERIFY(!startAtLogin->isChecked());

    startAtLogin->trigger();
    const QString entryPath
        = config.path() + QStringLiteral("/autostart/io.github.tidyra.Tidyra.desktop");
    QFile entry(entryPath);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY2(
        text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\nExec=") + QCoreApplication::applicationFilePath()
                 + QStringLiteral(" --hidden\n")),
        qPrintable(text));
    // A later launch sees it on.
    QVERIFY(makeApp(fixture)->menuBarView()->startAtLoginAction()->isChecked());

    startAtLogin->trigger();
    QVERIFY(!QFile::exists(entryPath));

    // A path with blanks and quotes is quoted as desktop entries want.
    QVERIFY(Autostart::entryText(QStringLiteral("/opt/My Apps/ti\"dy"))
                .contains(QStringLiteral("Exec=\"/opt/My Apps/ti\\\\\"dy\" --hidden\n")));

    // Where the folder cannot be made, the mark goes off again and the user is told.
    QDir(config.path()).rmdir(QStringLiteral("autostart"));
    QFile blocker(config.path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy notified(app.get(), &TidyraApp::notified);
    startAtLogin->trigger();
    QVERIFY(!startAtLogin->isChecked());
    QCOMPARE(notified.size(), 1);
    QVERIFY(notified.first().at(1).toString().startsWith(QStringLiteral("Cannot create")));
    qunsetenv("XDG_CONFIG_HOME");
}

void TidyraAppTest::keyboardReachesTheCommands()
{
    ViewModelFixture fixture;
    fixture.write("a.jpg");
    const auto app = makeApp(fixture);
    app->start();
    QMainWindow *window = app->mainWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));

    // Ctrl+O asks for a folder.
    fixture.answers->push_back(fixture.inboxPath());
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(app->viewModel()->selectedFolderPath(), fixture.inboxPath());
    // Alt+O is "Organize Now" (a mnemonic clicks the button with a short animation).
    QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(app->viewModel()->statusMessage(), QStringLiteral("1 file organized."));
    // Ctrl+Q quits, as the tray menu's "Quit" does.
    QAction *quit = app->menuBarView()->quitAction();
    QObject::disconnect(quit, nullptr, app.get(), nullptr); // the test goes on
    QSignalSpy quitting(quit, &QAction::triggered);
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quitting.size(), 1);
}

void TidyraAppTest::quittingDuringARunWaitsForItToStop()
{
    // A slow disk: each move takes 20 ms, a second and a half in all.
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    std::atomic<int> moves = 0;
    fileSystem->beforeCall(FaultInjectingFileSystem::Operation::renameNoReplace, 0, [&] {
        QThread::msleep(20);
        ++moves;
    });
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    for (int i = 0; i < 80; ++i)
        fixture.write("f" + std::to_string(i) + ".txt");
    TidyraApp app(std::make_unique<QueuedFolderChooser>(fixture.answers),
        std::make_unique<MemorySettingsStore>(*fixture.restoredFolder),
        std::make_unique<FixedClock>(testTimeOfDay), fileSystem);
    app.start();
    app.viewModel()->organizeNow();
    QTRY_VERIFY(moves >= 2);

    // Without a tray, closing the window quits: it stays up while the run stops.
    QVERIFY(!app.mainWindow()->close());
    QVERIFY(app.mainWindow()->isVisible());
    QTimer patience;
    patience.setSingleShot(true);
    connect(&patience, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    patience.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!app.viewModel()->isOrganizing());
    QCOMPARE(app.viewModel()->statusMessage(),
        QStringLiteral("Cancelled — %1 files organized before the cancel.").arg(int(moves)));
    QVERIFY(moves < 40);
}

QTEST_MAIN(TidyraAppTest)
#include "TidyraAppTest.moc"
