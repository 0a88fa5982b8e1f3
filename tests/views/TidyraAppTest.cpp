#include "TidyraApp.h"
#include "ActionArea.h"
#include "AppDelegate.h"
#include "ContentView.h"
#include "FolderHeader.h"
#include "MenuBarView.h"
#include "PreviewView.h"
#include "ViewTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

class TidyraAppTest : public QObject
{
    Q_OBJECT

private slots:
    void oneViewModelForWindowSheetAndMenu();
    void withoutTrayTheWindowIsTheApplication();
    void launchHookSetsTheApplicationIcon();
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
    PreviewView *preview = app.contentView()->previewView();
    QVERIFY(preview);
    QCOMPARE(preview->viewModel(), viewModel);
    QTest::mouseClick(preview->applyButton(), Qt::LeftButton);
    QVERIFY(app.contentView()->actionArea()->undoButton()->isEnabled());

    // Organized from the menu, reported in the window.
    QTest::mouseClick(app.contentView()->actionArea()->undoButton(), Qt::LeftButton);
    app.mainWindow()->hide();
    app.menuBarView()->organizeAction()->trigger();
    QVERIFY(app.mainWindow()->isVisible());
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

QTEST_MAIN(TidyraAppTest)
#include "TidyraAppTest.moc"
