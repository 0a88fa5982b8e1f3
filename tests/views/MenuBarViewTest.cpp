#include "MenuBarView.h"
#include "ContentView.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>

namespace {

QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? QStringLiteral("---")
                                            : action->iconText()
                        + (action->isEnabled() ? QString() : QStringLiteral(" (off)")));
    return texts;
}

} // namespace

class MenuBarViewTest : public QObject
{
    Q_OBJECT

private slots:
    void menuFollowsTheFolderAndTheRun();
};

void MenuBarViewTest::menuFollowsTheFolderAndTheRun()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    // The main window as the app has it, hidden (in the tray) until the menu asks for it.
    QMainWindow window;
    window.setCentralWidget(new ContentView(viewModel.get(), &window));
    MenuBarView menuBar(viewModel.get());
    QCOMPARE(entryTexts(menuBar.menu()),
        QStringList({ "No folder selected (off)", "---", "Organize Now (off)", "---",
            "Open Tidyra", "Start at login", "Quit" }));

    fixture.answers->push_back(fixture.inboxPath());
    viewModel->chooseFolder();
    // Information, not a command.
    QCOMPARE(entryTexts(menuBar.menu()).mid(0, 3),
        QStringList({ "Inbox (off)", "---", "Organize Now" }));

    // Also with nothing to do, the window comes up to say so.
    menuBar.organizeAction()->trigger();
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(window.isVisible());
    QCOMPARE(viewModel->statusMessage(),
        QStringLiteral("Nothing to organize — folder is already tidy."));

    // While a run goes on, the menu says so and offers no second run.
    window.hide();
    fixture.write("clip.mov");
    menuBar.organizeAction()->trigger();
    QCOMPARE(entryTexts(menuBar.menu()).mid(0, 4),
        QStringList({ "Inbox (off)", "Organizing… (off)", "---", "Organize Now (off)" }));
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(entryTexts(menuBar.menu()).mid(0, 3),
        QStringList({ "Inbox (off)", "---", "Organize Now" }));
    QVERIFY(window.isVisible());
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("1 file organized."));

    // "Open Tidyra" brings the one window back and makes none.
    const auto windowCount = QApplication::topLevelWidgets().size();
    window.showMinimized();
    menuBar.openAction()->trigger();
    QVERIFY(window.isVisible() && !(window.windowState() & Qt::WindowMinimized));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowCount);

    // An ampersand is not taken for a keyboard mnemonic.
    const auto odd = fixture.temp / "Tom & Jerry <b>";
    std::filesystem::create_directories(odd);
    fixture.answers->push_back(QString::fromStdString(odd.string()));
    viewModel->chooseFolder();
    QCOMPARE(menuBar.folderAction()->iconText(), QStringLiteral("Tom & Jerry <b>"));
}

QTEST_MAIN(MenuBarViewTest)
#include "MenuBarViewTest.moc"
