#include "ContentView.h"
#include "ActionArea.h"
#include "ActivitySection.h"
#include "BusySpinner.h"
#include "FaultInjectingFileSystem.h"
#include "FolderHeader.h"
#include "PlainListView.h"
#include "StyledLabel.h"
#include "SymbolView.h"
#include "ViewTestSupport.h"

#include <QPushButton>
#include <QTest>

namespace {

// What the main window shows, read the way a user would see it.
struct WindowState
{
    QString title;
    QString subtitle;
    QString folderButton;
    bool folderButtonEnabled = false;
    bool previewEnabled = false;
    bool organizeEnabled = false;
    bool undoEnabled = false;
    bool spinnerShown = false;
    bool infoShown = false;
    QString status;
    bool logShown = false;
    QStringList logRows;
};

WindowState read(const ContentView &view)
{
    WindowState state;
    const FolderHeader *header = view.header();
    const ActionArea *actions = view.actionArea();
    state.title = header->titleLabel()->text();
    state.subtitle = header->subtitleLabel()->text();
    state.folderButton = header->folderButton()->text();
    state.folderButtonEnabled = header->folderButton()->isEnabled();
    state.previewEnabled = actions->previewButton()->isEnabled();
    state.organizeEnabled = actions->organizeButton()->isEnabled();
    state.undoEnabled = actions->undoButton()->isEnabled();
    state.spinnerShown = actions->spinner()->isVisibleTo(&view);
    state.infoShown = actions->infoSymbol()->isVisibleTo(&view);
    state.status = actions->statusLabel()->text();
    state.logShown = view.activitySection()->isShowingLog();
    state.logRows = rowTexts(view.activitySection()->logView()->model());
    return state;
}

void click(QPushButton *button)
{
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class ContentViewTest : public QObject
{
    Q_OBJECT

private slots:
    void firstLaunchShowsNoFolder();
    void choosingAFolderShowsItsNameAndPath();
    void cancellingTheChooserChangesNothing();
    void restoredFolderIsShownLikeAChosenOne();
    void restoredFolderThatIsGoneLeadsToAnError();
    void whileOrganizingTheCommandsAreDisabledAndTheSpinnerTurns();
    void applyingThenUndoingUpdatesButtonsStatusAndLog();
    void choosingAgainEmptiesTheLog();
    void longFolderNameDoesNotWidenTheWindow();
    void everyControlTakesKeyboardFocus();
};

void ContentViewTest::firstLaunchShowsNoFolder()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    const WindowState state = read(view);
    QCOMPARE(state.title, QStringLiteral("No Folder Selected"));
    QCOMPARE(state.subtitle, QStringLiteral("Choose a folder to organize"));
    QCOMPARE(state.folderButton, QStringLiteral("Select Folder"));
    QVERIFY(state.folderButtonEnabled);
    QVERIFY(!state.previewEnabled);
    QVERIFY(!state.organizeEnabled);
    QVERIFY(!state.undoEnabled);
    QVERIFY(state.infoShown);
    QVERIFY(!state.spinnerShown);
    QCOMPARE(state.status, QStringLiteral("Select a folder to get started."));
    QVERIFY(!state.logShown);
    QVERIFY(view.activitySection()->emptyState()->isVisibleTo(&view));
    auto *emptyText = view.findChild<StyledLabel *>(QStringLiteral("activityEmptyText"));
    QVERIFY(emptyText);
    QCOMPARE(emptyText->text(), QStringLiteral("No activity yet"));
    QCOMPARE(view.minimumSize(), QSize(460, 360));
}

void ContentViewTest::choosingAFolderShowsItsNameAndPath()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    fixture.answers->push_back(fixture.inboxPath());

    click(view.header()->folderButton());

    const WindowState state = read(view);
    QCOMPARE(state.title, QStringLiteral("Inbox"));
    QCOMPARE(state.subtitle, fixture.inboxPath());
    QCOMPARE(state.folderButton, QStringLiteral("Change"));
    QVERIFY(state.previewEnabled);
    QVERIFY(state.organizeEnabled);
    QVERIFY(!state.undoEnabled);
    QVERIFY(state.infoShown);
    QCOMPARE(state.status, QStringLiteral("Ready — Inbox"));
    QVERIFY(!state.logShown);
}

void ContentViewTest::cancellingTheChooserChangesNothing()
{
    ViewModelFixture fixture(QString {});
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    fixture.answers->push_back(std::nullopt);

    click(view.header()->folderButton());

    const WindowState state = read(view);
    QCOMPARE(state.title, QStringLiteral("No Folder Selected"));
    QCOMPARE(state.folderButton, QStringLiteral("Select Folder"));
    QVERIFY(!state.previewEnabled);
    QCOMPARE(state.status, QStringLiteral("Select a folder to get started."));
}

void ContentViewTest::restoredFolderIsShownLikeAChosenOne()
{
    ViewModelFixture fixture(QString {});
    fixture.restoredFolder = fixture.inboxPath();
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    const WindowState state = read(view);
    QCOMPARE(state.title, QStringLiteral("Inbox"));
    QCOMPARE(state.subtitle, fixture.inboxPath());
    QCOMPARE(state.folderButton, QStringLiteral("Change"));
    QVERIFY(state.previewEnabled);
    QVERIFY(state.organizeEnabled);
    QVERIFY(!state.undoEnabled);
    QCOMPARE(state.status, QStringLiteral("Ready — Inbox"));
    QVERIFY(!state.logShown);
}

void ContentViewTest::restoredFolderThatIsGoneLeadsToAnError()
{
    ViewModelFixture fixture;
    const QString gone = QString::fromStdString((fixture.temp / "Gone").string());
    fixture.restoredFolder = gone;
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    QCOMPARE(read(view).title, QStringLiteral("Gone"));
    QCOMPARE(read(view).subtitle, gone);

    click(view.actionArea()->previewButton());

    const WindowState state = read(view);
    QVERIFY2(state.status.startsWith(QStringLiteral("Error: ")), qPrintable(state.status));
    QVERIFY(!view.previewView());
    QVERIFY(state.previewEnabled);
    QVERIFY(!state.undoEnabled);
}

void ContentViewTest::whileOrganizingTheCommandsAreDisabledAndTheSpinnerTurns()
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    ViewModelFixture fixture(std::nullopt, fileSystem);
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("photo.jpg");
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    // The moment the first file is moved, the window must already show the busy state.
    std::optional<WindowState> during;
    fileSystem->beforeCall(
        FaultInjectingFileSystem::Operation::renameNoReplace, 1, [&] { during = read(view); });
    click(view.actionArea()->organizeButton());

    QVERIFY(during.has_value());
    QVERIFY(!during->previewEnabled);
    QVERIFY(!during->organizeEnabled);
    QVERIFY(!during->undoEnabled);
    QVERIFY(during->folderButtonEnabled);
    QVERIFY(during->spinnerShown);
    QVERIFY(!during->infoShown);
    QCOMPARE(during->title, QStringLiteral("Inbox"));

    const WindowState after = read(view);
    QVERIFY(!after.spinnerShown);
    QVERIFY(after.infoShown);
    QVERIFY(after.previewEnabled);
    QVERIFY(after.undoEnabled);
}

void ContentViewTest::applyingThenUndoingUpdatesButtonsStatusAndLog()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("photo.jpg");
    fixture.write("letter.pdf");
    const TreeSnapshot before = snapshotTree(fixture.inbox);
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    click(view.actionArea()->organizeButton());

    WindowState state = read(view);
    QVERIFY(std::filesystem::exists(fixture.inbox / "Images" / "photo.jpg"));
    QVERIFY(state.undoEnabled);
    QVERIFY(state.previewEnabled);
    QVERIFY(state.infoShown);
    QCOMPARE(state.status, QStringLiteral("2 files organized."));
    QVERIFY(state.logShown);
    QCOMPARE(state.logRows, QStringList { QStringLiteral("[10:30] Organized 2 files in Inbox") });
    QCOMPARE(state.title, QStringLiteral("Inbox"));

    click(view.actionArea()->undoButton());

    state = read(view);
    QCOMPARE(describeDifference(before, snapshotTree(fixture.inbox)), std::string());
    QVERIFY(!state.undoEnabled);
    QVERIFY(state.organizeEnabled);
    QCOMPARE(state.status, QStringLiteral("Undo complete — 2 files restored."));
    QCOMPARE(state.logRows,
        (QStringList { QStringLiteral("[10:30] Undo complete — 2 files restored."),
            QStringLiteral("[10:30] Organized 2 files in Inbox") }));
}

void ContentViewTest::choosingAgainEmptiesTheLog()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("song.mp3");
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    click(view.actionArea()->organizeButton());
    QVERIFY(read(view).logShown);

    fixture.answers->push_back(fixture.inboxPath());
    click(view.header()->folderButton());

    const WindowState state = read(view);
    QVERIFY(!state.logShown);
    QVERIFY(state.logRows.isEmpty());
    QVERIFY(!state.undoEnabled);
    QCOMPARE(state.status, QStringLiteral("Ready — Inbox"));
}

void ContentViewTest::longFolderNameDoesNotWidenTheWindow()
{
    ViewModelFixture fixture;
    const auto longFolder = fixture.temp / std::string(180, 'n');
    std::filesystem::create_directories(longFolder);
    fixture.restoredFolder = QString::fromStdString(longFolder.string());
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    QVERIFY(view.minimumSizeHint().width() <= 460);
    view.resize(460, 360);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const StyledLabel *title = view.header()->titleLabel();
    QCOMPARE(title->text().size(), 180);
    QVERIFY(title->width() < title->fontMetrics().horizontalAdvance(title->text()));
    // Still one line: the label is no taller than one line of its font.
    QVERIFY(title->height() < 2 * title->fontMetrics().height());
}

void ContentViewTest::everyControlTakesKeyboardFocus()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    const QList<QWidget *> controls { view.header()->folderButton(),
        view.actionArea()->previewButton(), view.actionArea()->organizeButton(),
        view.actionArea()->undoButton(), view.activitySection()->logView() };
    for (QWidget *control : controls)
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));
}

QTEST_MAIN(ContentViewTest)
#include "ContentViewTest.moc"
