#include "ContentView.h"
#include "ActionArea.h"
#include "ActivitySection.h"
#include "BusySpinner.h"
#include "FaultInjectingFileSystem.h"
#include "FolderHeader.h"
#include "Gate.h"
#include "PlainListView.h"
#include "StyledLabel.h"
#include "SymbolView.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The main window as a user reads it, one part of its state table after the other:
// "header | buttons | status line | activity"; a disabled button reads "(off)".
QString shown(const ContentView &view)
{
    const FolderHeader *header = view.header();
    const ActionArea *actions = view.actionArea();
    QStringList buttons;
    for (const QPushButton *button : { header->folderButton(), actions->previewButton(),
             actions->organizeButton(), actions->undoButton() })
        buttons << button->text() + (button->isEnabled() ? QString() : QStringLiteral(" (off)"));
    const QString indicator = QString(actions->spinner()->isVisibleTo(&view) ? "spinner" : "")
        + QString(actions->infoSymbol()->isVisibleTo(&view) ? "info" : "");
    const ActivitySection *activity = view.activitySection();
    const auto *emptyText = view.findChild<StyledLabel *>(QStringLiteral("activityEmptyText"));
    QString log = rowTexts(activity->logView()->model()).join(QStringLiteral(" / "));
    if (!activity->isShowingLog())
        log = activity->emptyState()->isVisibleTo(&view) ? emptyText->text() : QStringLiteral("?");
    return QStringList { header->titleLabel()->text() + ", " + header->subtitleLabel()->text(),
        buttons.join(QStringLiteral(", ")), indicator + ": " + actions->statusLabel()->text(), log }
        .join(QStringLiteral(" | "));
}

const QString noFolder = QStringLiteral(
    "No Folder Selected, Choose a folder to organize | &Select Folder, &Preview (off), &Organize "
    "Now "
    "(off), &Undo (off) | info: Select a folder to get started. | No activity yet");

} // namespace

class ContentViewTest : public QObject
{
    Q_OBJECT

private slots:
    void firstLaunchThenChoosingAFolder();
    void aRunFollowsTheStateTable();
    void restoredFolderThatIsGoneLeadsToAnError();
    void longFolderNameDoesNotWidenTheWindow();
};

void ContentViewTest::firstLaunchThenChoosingAFolder()
{
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    QCOMPARE(shown(view), noFolder);
    QCOMPARE(view.minimumSize(), QSize(460, 360));
    for (QWidget *control : QList<QWidget *> { view.header()->folderButton(),
             view.actionArea()->previewButton(), view.actionArea()->organizeButton(),
             view.actionArea()->undoButton(), view.activitySection()->logView() })
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(control->objectName()));

    fixture.answers->push_back(std::nullopt);
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    QCOMPARE(shown(view), noFolder);

    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    QCOMPARE(shown(view),
        QStringLiteral("Inbox, %1 | &Change, &Preview, &Organize Now, &Undo (off) | info: Ready — "
                       "Inbox | No activity yet")
            .arg(fixture.inboxPath()));
}

void ContentViewTest::aRunFollowsTheStateTable()
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    ViewModelFixture fixture(std::nullopt, fileSystem);
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("photo.jpg");
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    const QString header = QStringLiteral("Inbox, ") + fixture.inboxPath();
    const QString ready = header
        + QStringLiteral(
            " | &Change, &Preview, &Organize Now, &Undo (off) | info: Ready — Inbox | No "
            "activity yet");
    QCOMPARE(shown(view), ready);

    QTest::mouseClick(view.actionArea()->organizeButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    const QString organized = QStringLiteral("[10:30] Organized 1 file in Inbox");
    QCOMPARE(shown(view),
        header + " | &Change, &Preview, &Organize Now, &Undo | info: 1 file organized. | "
            + organized);

    // While files move (here the disk holds the move until the test lets it go) all
    // three commands are off, Undo too, the spinner turns and the run can be cancelled.
    Gate gate;
    fileSystem->beforeCall(
        FaultInjectingFileSystem::Operation::renameNoReplace, 0, [&] { gate.hold(); });
    fixture.write("letter.pdf");
    QVERIFY(!view.actionArea()->cancelButton()->isVisibleTo(&view));
    QTest::mouseClick(view.actionArea()->organizeButton(), Qt::LeftButton);
    QVERIFY(gate.waitUntilHeld());
    QCOMPARE(shown(view),
        header
            + " | &Change, &Preview (off), &Organize Now (off), &Undo (off) | spinner: "
              "Organizing… | "
            + organized);
    QVERIFY(view.actionArea()->cancelButton()->isVisibleTo(&view));
    gate.open();
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(!view.actionArea()->cancelButton()->isVisibleTo(&view));
    QCOMPARE(shown(view),
        header + " | &Change, &Preview, &Organize Now, &Undo | info: 1 file organized. | "
            + organized + " / " + organized);

    QTest::mouseClick(view.actionArea()->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    QVERIFY(std::filesystem::exists(fixture.inbox / "letter.pdf"));
    QCOMPARE(shown(view),
        header
            + " | &Change, &Preview, &Organize Now, &Undo (off) | info: Undo complete — 1 file "
              "restored. | [10:30] Undo complete — 1 file restored. / "
            + organized + " / " + organized);

    // Choosing the folder again empties the log.
    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    QCOMPARE(shown(view), ready);
}

void ContentViewTest::restoredFolderThatIsGoneLeadsToAnError()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = QString::fromStdString((fixture.temp / "Gone").string());
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    QCOMPARE(view.header()->titleLabel()->text(), QStringLiteral("Gone"));

    QTest::mouseClick(view.actionArea()->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));

    const QString status = view.actionArea()->statusLabel()->text();
    QVERIFY2(status.startsWith(QStringLiteral("Error: ")), qPrintable(status));
    QVERIFY(!view.previewView());
    QVERIFY(view.actionArea()->previewButton()->isEnabled());
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

QTEST_MAIN(ContentViewTest)
#include "ContentViewTest.moc"
