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
    if (actions->cancelButton()->isVisibleTo(&view))
        buttons << actions->cancelButton()->text();
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

} // namespace

class ContentViewTest : public QObject
{
    Q_OBJECT

private slots:
    void windowFollowsTheStateTable();
    void longFolderNameDoesNotWidenTheWindow();
};

void ContentViewTest::windowFollowsTheStateTable()
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    ViewModelFixture fixture(fileSystem);
    fixture.write("photo.jpg");
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    QCOMPARE(shown(view),
        QStringLiteral("No Folder Selected, Choose a folder to organize | &Select Folder, "
                       "&Preview (off), &Organize Now (off), &Undo (off) | info: Select a folder "
                       "to get started. | No activity yet"));

    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    const QString header = QStringLiteral("Inbox, ") + fixture.inboxPath();
    const QString ready = header
        + " | &Change, &Preview, &Organize Now, &Undo (off) | info: Ready — Inbox | No activity yet";
    QCOMPARE(shown(view), ready);

    QTest::mouseClick(view.actionArea()->organizeButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    const QString organized = QStringLiteral("[10:30] Organized 1 file in Inbox");
    const QString idle = header + " | &Change, &Preview, &Organize Now, &Undo | info: ";
    QCOMPARE(shown(view), idle + "1 file organized. | " + organized);

    // While files move (here the disk holds the move until the test lets it go) all
    // three commands are off, Undo too, the spinner turns and the run can be cancelled.
    Gate gate;
    fileSystem->beforeCall(
        FaultInjectingFileSystem::Operation::renameNoReplace, 0, [&] { gate.hold(); });
    fixture.write("letter.pdf");
    QTest::mouseClick(view.actionArea()->organizeButton(), Qt::LeftButton);
    QVERIFY(gate.waitUntilHeld());
    QCOMPARE(shown(view),
        header + " | &Change, &Preview (off), &Organize Now (off), &Undo (off), Cancel | "
                 "spinner: Organizing… | "
            + organized);
    gate.open();
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(shown(view), idle + "1 file organized. | " + organized + " / " + organized);

    QTest::mouseClick(view.actionArea()->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(shown(view),
        header + " | &Change, &Preview, &Organize Now, &Undo (off) | info: Undo complete — 1 file "
                 "restored. | [10:30] Undo complete — 1 file restored. / "
            + organized + " / " + organized);

    // Choosing the folder again empties the log.
    fixture.answers->push_back(fixture.inboxPath());
    QTest::mouseClick(view.header()->folderButton(), Qt::LeftButton);
    QCOMPARE(shown(view), ready);
}

void ContentViewTest::longFolderNameDoesNotWidenTheWindow()
{
    ViewModelFixture fixture;
    const auto longFolder = fixture.temp / std::string(180, 'n');
    std::filesystem::create_directories(longFolder);
    fixture.restoredFolder = QString::fromStdString(longFolder.string());
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());
    view.resize(460, 360);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.minimumSizeHint().width() <= 460);
    // Elided on one line: narrower than its text, no taller than one line.
    const StyledLabel *title = view.header()->titleLabel();
    QVERIFY(title->width() < title->fontMetrics().horizontalAdvance(title->text()));
    QVERIFY(title->height() < 2 * title->fontMetrics().height());
}

QTEST_MAIN(ContentViewTest)
#include "ContentViewTest.moc"
