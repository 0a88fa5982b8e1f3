#include "MenuBarView.h"
#include "ActionArea.h"
#include "ContentView.h"
#include "FolderHeader.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("---") : action->iconText());
    return texts;
}

// The main window as the app has it: a main window holding the content view, hidden
// (in the tray) until the menu asks for it.
struct HiddenMainWindow
{
    explicit HiddenMainWindow(FolderOrganizerViewModel *viewModel)
    {
        content = new ContentView(viewModel, &window);
        window.setCentralWidget(content);
    }
    QMainWindow window;
    ContentView *content;
};

} // namespace

class MenuBarViewTest : public QObject
{
    Q_OBJECT

private slots:
    void organizeNowFollowsTheFolderChosenInTheWindow();
    void organizeNowOrganizesAndShowsTheWindow();
    void openTidyraShowsTheWindowAndCreatesNone();
    void folderNameIsShownVerbatim();
};

void MenuBarViewTest::organizeNowFollowsTheFolderChosenInTheWindow()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    MenuBarView menuBar(viewModel.get());
    ContentView view(viewModel.get());
    QCOMPARE(entryTexts(menuBar.menu()),
        (QStringList { QStringLiteral("No folder selected"), QStringLiteral("---"),
            QStringLiteral("Organize Now"), QStringLiteral("---"), QStringLiteral("Open Tidyra"),
            QStringLiteral("Start at login"), QStringLiteral("Quit") }));
    QVERIFY(!menuBar.organizeAction()->isEnabled());
    QVERIFY(menuBar.openAction()->isEnabled() && menuBar.quitAction()->isEnabled());

    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    QCOMPARE(menuBar.folderAction()->iconText(), QStringLiteral("Inbox"));
    // Information, not a command.
    QVERIFY(!menuBar.folderAction()->isEnabled());
    QVERIFY(menuBar.organizeAction()->isEnabled());
}

void MenuBarViewTest::organizeNowOrganizesAndShowsTheWindow()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    auto viewModel = fixture.makeViewModel();
    HiddenMainWindow main(viewModel.get());
    MenuBarView menuBar(viewModel.get());

    // Also with nothing to do, the window comes up to say so.
    menuBar.organizeAction()->trigger();
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(main.window.isVisible());
    QCOMPARE(viewModel->statusMessage(),
        QStringLiteral("Nothing to organize — folder is already tidy."));

    main.window.hide();
    fixture.write("clip.mov");
    fixture.write("tune.mp3");
    menuBar.organizeAction()->trigger();
    // While it runs, the menu says so and offers no second run.
    QVERIFY(viewModel->isOrganizing());
    QCOMPARE(entryTexts(menuBar.menu()).mid(0, 4),
        (QStringList { QStringLiteral("Inbox"), QStringLiteral("Organizing…"),
            QStringLiteral("---"), QStringLiteral("Organize Now") }));
    QVERIFY(!menuBar.organizeAction()->isEnabled());
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(menuBar.organizeAction()->isEnabled());
    QVERIFY(!menuBar.runAction()->isVisible());
    QVERIFY(std::filesystem::exists(fixture.inbox / "Videos" / "clip.mov"));
    QVERIFY(std::filesystem::exists(fixture.inbox / "Audio" / "tune.mp3"));
    QVERIFY(main.window.isVisible());
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("2 files organized."));
    QVERIFY(main.content->actionArea()->undoButton()->isEnabled());
    QVERIFY(!viewModel->isShowingPreview());
}

void MenuBarViewTest::openTidyraShowsTheWindowAndCreatesNone()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    MenuBarView menuBar(viewModel.get());
    const auto windowCount = QApplication::topLevelWidgets().size();
    menuBar.openAction()->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), windowCount);

    HiddenMainWindow main(viewModel.get());
    main.window.showMinimized();
    menuBar.openAction()->trigger();
    QVERIFY(main.window.isVisible());
    QVERIFY(!(main.window.windowState() & Qt::WindowMinimized));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowCount + 1);
}

void MenuBarViewTest::folderNameIsShownVerbatim()
{
    ViewModelFixture fixture;
    const auto folder = fixture.temp / "Tom & Jerry <b>";
    std::filesystem::create_directories(folder);
    fixture.restoredFolder = QString::fromStdString(folder.string());
    auto viewModel = fixture.makeViewModel();
    MenuBarView menuBar(viewModel.get());

    // An ampersand is not taken for a keyboard mnemonic.
    QCOMPARE(menuBar.folderAction()->iconText(), QStringLiteral("Tom & Jerry <b>"));
}

QTEST_MAIN(MenuBarViewTest)
#include "MenuBarViewTest.moc"
