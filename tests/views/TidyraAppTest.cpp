#include "TidyraApp.h"
#include "ActionArea.h"
#include "ActivitySection.h"
#include "AfterTreeModel.h"
#include "AppDelegate.h"
#include "CommandLine.h"
#include "ContentView.h"
#include "FaultInjectingFileSystem.h"
#include "FolderHeader.h"
#include "FolderPath.h"
#include "Gate.h"
#include "MenuBarView.h"
#include "PlainListView.h"
#include "PlainTreeView.h"
#include "PreviewView.h"
#include "RunDetailsModel.h"
#include "RunDetailsView.h"
#include "ScreenFit.h"
#include "StyledLabel.h"
#include "SymbolView.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TidyraAppTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAndMenuFollowTheStateTable();
    void previewSheetMenuAndHandedFoldersShareOneViewModel();
    void largePlanUsesNoWidgetPerRow();
    void skippedFilesArePreviewedAndDetailed();
    void errorsReadAndPaintedContrastHolds();
    void aFolderNamedInBytesIsTakenAsItIs();
};

void TidyraAppTest::windowAndMenuFollowTheStateTable()
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    ViewModelFixture fixture(fileSystem);
    fixture.write("photo.jpg");
    const auto app = fixture.makeApp();
    app->start();
    const ContentView &view = *app->contentView();
    const ActionArea *actions = view.actionArea();
    QCOMPARE(shown(view),
        QStringLiteral("No Folder Selected, Choose a folder to organize | &Select Folder, "
                       "&Preview (off), &Organize Now (off), &Undo (off), [ ] Tidy &Automatically "
                       "(off) | info: Select a folder "
                       "to get started. | No activity yet"));
    const QString menuRest = QStringLiteral("---, Open Tidyra, Rules…, Start at login, Quit");
    QCOMPARE(menuShown(*app),
        "No folder selected, ---, Organize Now (off), Tidy Automatically (off), " + menuRest);

    // Ctrl+O asks for a folder.
    QVERIFY(activate(app->mainWindow()));
    fixture.answers->push_back(FolderPath(fixture.inbox));
    QTest::keyClick(app->mainWindow(), Qt::Key_O, Qt::ControlModifier);
    const QString header = QStringLiteral("Inbox, ") + fixture.inboxPath();
    const QString tidy = QStringLiteral("[ ] Tidy &Automatically");
    const QString undoOff
        = header + " | &Change, &Preview, &Organize Now, &Undo (off), " + tidy + " | info: ";
    const QString ready = undoOff + "Ready — Inbox | No activity yet";
    QCOMPARE(shown(view), ready);
    QCOMPARE(menuShown(*app), "Inbox, ---, Organize Now, Tidy Automatically, " + menuRest);

    QTest::mouseClick(actions->organizeButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*app->viewModel()));
    const QString organized = QStringLiteral("[10:30] Organized 1 file in Inbox");
    const QString idle
        = header + " | &Change, &Preview, &Organize Now, &Undo, " + tidy + " | info: ";
    QCOMPARE(shown(view), idle + "1 file organized. | " + organized);

    // While files move (here the disk holds the move until the test lets it go) all
    // three commands are off, Undo too, the spinner turns and the run can be cancelled;
    // the menu tells of the run and offers no second one.
    Gate gate;
    fileSystem->beforeCall(FaultInjectingFileSystem::Operation::renameNoReplace, 0, gate.holder());
    fixture.write("letter.pdf");
    QTest::mouseClick(actions->organizeButton(), Qt::LeftButton);
    QVERIFY(gate.waitUntilHeld());
    QCOMPARE(shown(view),
        header + " | &Change (off), &Preview (off), &Organize Now (off), &Undo (off), " + tidy
            + ", Cancel | "
              "spinner: Organizing… | "
            + organized);
    QCOMPARE(menuShown(*app),
        "Inbox, Organizing… (off), ---, Organize Now (off), Tidy Automatically, " + menuRest);
    gate.open();
    QVERIFY(waitForRun(*app->viewModel()));
    QCOMPARE(shown(view), idle + "1 file organized. | " + organized + " / " + organized);
    // Cancel, gone, leaves its room to the text.
    actions->layout()->activate();
    QCOMPARE(actions->statusLabel()->geometry().right(), actions->undoButton()->geometry().right());
    QCOMPARE(menuShown(*app), "Inbox, ---, Organize Now, Tidy Automatically, " + menuRest);

    QTest::mouseClick(actions->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*app->viewModel()));
    const QString undone = QStringLiteral("Undo complete — 1 file restored.");
    QCOMPARE(shown(view),
        undoOff + undone + " | [10:30] " + undone + " / " + organized + " / " + organized);
    // Undo is off now: the focus goes to the command before it, not on to the switch.
    QCOMPARE(app->mainWindow()->focusWidget(), actions->organizeButton());

    // While the folder dialog is up, nothing organizes behind it, from the tray or else.
    QString menuWhileAsking;
    *fixture.whileAsking = [&] {
        menuWhileAsking = menuShown(*app);
        app->viewModel()->organizeNow();
    };
    QTest::keyClick(app->mainWindow(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(menuWhileAsking.contains("Organize Now (off)") && !app->viewModel()->isOrganizing());
}

// The window with a plan of six files: images of two kinds (sub-folders), one document
// (directly in its folder), and in Others two kinds plus a file without extension.
void TidyraAppTest::previewSheetMenuAndHandedFoldersShareOneViewModel()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    for (const char *name : { "a.jpg", "b.png", "report.pdf", "data.xyz", "tool.abc", "README" })
        fixture.write(name);
    const TreeSnapshot before = snapshotTree(fixture.inbox);
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
    const auto openSheet = [&] {
        QTest::mouseClick(actions->previewButton(), Qt::LeftButton);
        waitForRun(*viewModel);
        return QPointer<PreviewView>(app->contentView()->previewView());
    };

    // Cancel, the close button and Escape each dismiss the sheet and leave all alone.
    for (const QString how : { "Cancel", "close", "Escape" }) {
        QPointer<PreviewView> sheet = openSheet();
        QVERIFY(sheet && sheet->isVisible());
        if (how == QStringLiteral("Cancel"))
            QTest::mouseClick(sheet->cancelButton(), Qt::LeftButton);
        else if (how == QStringLiteral("close"))
            QTest::mouseClick(sheet->closeButton(), Qt::LeftButton);
        else if (activate(sheet))
            QTest::keyClick(sheet, Qt::Key_Escape);
        QVERIFY2(
            !app->contentView()->previewView() && !viewModel->isShowingPreview(), qPrintable(how));
        QCOMPARE(viewModel->statusMessage(), QStringLiteral("Ready — Inbox"));
    }

    QPointer<PreviewView> sheet = openSheet();
    QCOMPARE(sheet->summaryLabel()->text(), QStringLiteral("6 files will be moved"));
    QStringList planned; // "Before" lists each file of the plan, as the plan has them
    for (const OrganizationPlan::Move &move : viewModel->currentPlan()->moves)
        planned << QString::fromStdString(move.source);
    QCOMPARE(rowTexts(sheet->beforeList()->model()), planned);
    // README lands in "Others" itself, ahead of the sub-folders.
    const QStringList after { "Documents/", "  report.pdf", "Images/", "  JPG/", "    a.jpg",
        "  PNG/", "    b.png", "Others/", "  README", "  ABC/", "    tool.abc", "  XYZ/",
        "    data.xyz" };
    QCOMPARE(indentedLines(sheet->afterList()->model()), after);
    // While the sheet is up, a folder handed over by another launch is passed over, and
    // the sheet, not the window under it, comes up with the keyboard.
    QTemporaryDir other;
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QVERIFY(!app->activate(FolderPath(other.path().toUtf8())) && !app->handOverRefusal().isEmpty());
    QTRY_COMPARE(QApplication::activeWindow(), sheet.data());
    QCOMPARE(viewModel->selectedFolder().display(), fixture.inboxPath());
    // Nor does the tray organize behind it, so the plan shown stays the truth.
    viewModel->organizeNow();
    QVERIFY(!viewModel->isOrganizing() && !app->menuBarView()->organizeAction()->isEnabled());

    // Plain Return, Enter, Space and Select never apply: where the focus starts, on
    // "Apply" itself or on a list.
    QVERIFY(activate(sheet));
    for (QWidget *focused :
        QList<QWidget *> { sheet->focusWidget(), sheet->applyButton(), sheet->afterList() }) {
        focused->setFocus();
        for (const auto key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Select })
            QTest::keyClick(focused, key);
        QVERIFY2(sheet && sheet->isVisible(), qPrintable(focused->objectName()));
    }
    QCOMPARE(describeDifference(before, snapshotTree(fixture.inbox)), std::string());
    // Ctrl+Return does, from the list: the shortcut, not a default button. The sheet is
    // gone for good, not merely hidden.
    QTest::keyClick(sheet->afterList(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("6 files organized."));
    QTRY_VERIFY(sheet.isNull());
    QCOMPARE(window->focusWidget(), actions->previewButton());

    // Organized from the menu: the window comes up, also with nothing to do, and a
    // notification tells.
    QTest::mouseClick(actions->undoButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));
    window->hide();
    app->menuBarView()->organizeAction()->trigger();
    QVERIFY(waitForRun(*viewModel));
    QCOMPARE(actions->statusLabel()->text(), QStringLiteral("6 files organized."));
    window->hide();
    app->menuBarView()->organizeAction()->trigger();
    QTRY_COMPARE(notified.size(), 2);
    QVERIFY(window->isVisible());
    QCOMPARE(notified.first().at(0).toString() + u'|' + notified.first().at(1).toString(),
        QStringLiteral("Tidyra|6 files organized in Inbox."));
    QCOMPARE(notified.last().at(1).toString(),
        QStringLiteral("Nothing to organize — folder is already tidy."));
    QCOMPARE(TidyraApp::runNotificationText(3, 2, QStringLiteral("Downloads")),
        QStringLiteral("3 files organized in Downloads, 2 skipped."));

    // Alt+O organizes from the window (with a short click animation); no notification.
    // The focus stays where the keys were pressed.
    fixture.write("c.mp3");
    QVERIFY(activate(window));
    app->contentView()->header()->folderButton()->setFocus();
    QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(viewModel->statusMessage(), QStringLiteral("1 file organized."));
    QCOMPARE(notified.size(), 2);
    QCOMPARE(QApplication::focusWidget(), app->contentView()->header()->folderButton());

    // "Open Tidyra" brings the one window back and makes none.
    const auto windowCount = QApplication::topLevelWidgets().size();
    window->showMinimized();
    app->menuBarView()->openAction()->trigger();
    QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowCount);

    // A folder handed over is selected as if chosen, and nothing more: no run starts.
    // In the menu, an ampersand is not taken for a keyboard mnemonic.
    const auto odd = fixture.temp / "Tom & Jerry <b>";
    std::filesystem::create_directories(odd);
    writeFile(odd / "d.mp3");
    window->hide();
    QVERIFY(app->activate(FolderPath(odd)));
    QVERIFY(window->isVisible());
    QCOMPARE(viewModel->statusMessage(), QStringLiteral("Ready — Tom & Jerry <b>"));
    QCOMPARE(app->menuBarView()->folderAction()->iconText(), QStringLiteral("Tom & Jerry <b>"));
    QVERIFY(std::filesystem::exists(odd / "d.mp3"));
    QCOMPARE(app->findChildren<FolderOrganizerViewModel *>().size(), 1);
}

void TidyraAppTest::largePlanUsesNoWidgetPerRow()
{
    auto plan = std::make_shared<OrganizationPlan>();
    plan->folderURL = "/nowhere";
    plan->targets.push_back({ FileCategory::documents, std::nullopt, { "Documents" } });
    for (std::uint32_t i = 0; i < 5000; ++i)
        plan->moves.push_back({ "file" + std::to_string(i) + ".txt", {}, 0, i });
    ViewModelFixture fixture;
    auto viewModel = fixture.makeViewModel();
    PreviewView preview(plan, viewModel.get());
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.beforeList()->model()->rowCount(), 5000);
    QCOMPARE(qobject_cast<AfterTreeModel *>(preview.afterList()->model())->lineCount(), 5001u);
    QVERIFY(preview.findChildren<QWidget *>().size() < 100);
    QVERIFY(preview.beforeList()->uniformItemSizes() && preview.afterList()->uniformRowHeights());
}

// With "Images" a link, the preview promises no image, offers no Apply while nothing can
// move, and names each with the reason; a file whose name is taken shows its numbered
// name. After the run, 400 skipped files are a list under their reason, one keystroke
// from the status line and from the menu.
void TidyraAppTest::skippedFilesArePreviewedAndDetailed()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    const QTemporaryDir outside;
    std::filesystem::create_directory_symlink(
        outside.path().toStdString(), fixture.inbox / "Images");
    for (int i = 400; i-- > 0;)
        fixture.write("p" + std::to_string(1000 + i) + ".jpg");
    std::filesystem::create_directories(fixture.inbox / "Documents");
    writeFile(fixture.inbox / "Documents" / "a.pdf");
    const auto app = fixture.makeApp();
    app->start();
    FolderOrganizerViewModel *viewModel = app->viewModel();
    ActionArea *actions = app->contentView()->actionArea();

    viewModel->generatePreview();
    QVERIFY(waitForRun(*viewModel));
    PreviewView *sheet = app->contentView()->previewView();
    QCOMPARE(sheet->summaryLabel()->text(),
        QStringLiteral("0 files will be moved, 400 will be skipped"));
    QVERIFY(!sheet->applyButton()->isEnabled());
    QTest::keyClick(sheet, Qt::Key_Escape);
    fixture.write("a.pdf");
    viewModel->generatePreview();
    QVERIFY(waitForRun(*viewModel));
    sheet = app->contentView()->previewView();
    QCOMPARE(
        sheet->summaryLabel()->text(), QStringLiteral("1 file will be moved, 400 will be skipped"));
    const QStringList after = indentedLines(sheet->afterList()->model());
    const QString reason
        = QStringLiteral("\"Images\" is a symbolic link, which Tidyra does not follow");
    QCOMPARE(after.mid(0, 4),
        QStringList(
            { "Documents/", "  a.pdf → a (1).pdf", "Will be skipped", "  p1000.jpg — " + reason }));
    QCOMPARE(after.size(), 403);
    QTest::keyClick(sheet, Qt::Key_Escape);

    viewModel->organizeNow();
    QVERIFY(waitForRun(*viewModel));
    // Done, but not all of it: a warning, read whole, whose details say what they are.
    QVERIFY(shown(*app->contentView()).contains(" | warning: 1 file organized, 400 skipped. | "));
    QVERIFY(actions->statusLabel()->wordWrap());
    QTRY_VERIFY(actions->detailsButton()->isVisibleTo(app->mainWindow()));
    QCOMPARE(actions->detailsButton()->accessibleDescription(),
        QStringLiteral("400 files skipped in the last run of Inbox"));
    QVERIFY(app->menuBarView()->detailsAction()->isVisible());
    QVERIFY(activate(app->mainWindow()));
    QTest::keyClick(app->mainWindow(), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(actions->detailsView() && actions->detailsView()->isVisible());
    const RunDetailsModel *model = actions->detailsView()->model();
    QCOMPARE(model->title(), QStringLiteral("400 files skipped in the last run of Inbox"));
    QCOMPARE(rowTexts(model), QStringList("400 files: " + reason));
    const QModelIndex group = model->index(0, 0);
    QCOMPARE(model->rowCount(group), 400);
    QCOMPARE(model->index(0, 0, group).data().toString(), QStringLiteral("p1000.jpg"));
    QCOMPARE(model->index(399, 0, group).data().toString(), QStringLiteral("p1399.jpg"));
    actions->detailsView()->copyAllButton()->click();
    QVERIFY(QApplication::clipboard()->text().contains("\n  p1399.jpg\n"));
}

// An error shows as one and keeps its whole text; the prominent button's label reads
// at 4.5:1 on its fill as painted, in a light and a dark palette; a window asking for
// more than the screen gets what fits.
void TidyraAppTest::errorsReadAndPaintedContrastHolds()
{
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    ViewModelFixture fixture(fileSystem);
    fixture.restoredFolder = fixture.inboxPath();
    const auto app = fixture.makeApp();
    app->start();
    ActionArea *actions = app->contentView()->actionArea();
    // Every open of a folder fails: the journal's look on the worker may come before the
    // scan's. The rules file, opened by its path, is not there.
    fileSystem->failCall(FaultInjectingFileSystem::Operation::openFolder, 0, EACCES);
    app->viewModel()->generatePreview();
    QVERIFY(waitForRun(*app->viewModel()));
    QVERIFY(actions->errorSymbol()->isVisibleTo(app->mainWindow()));
    QVERIFY(actions->statusLabel()->wordWrap() && actions->statusLabel()->color().isValid());
    QCOMPARE(actions->statusLabel()->text(),
        "Error: cannot open folder \"" + fixture.inboxPath()
            + "\": " + QString::fromStdString(std::generic_category().message(EACCES)));

    for (const QPalette &palette : { QApplication::palette(), darkPalette() }) {
        QApplication::setPalette(palette);
        const double label = contrastOnCommonest(actions->organizeButton()->grab().toImage());
        QVERIFY2(label >= 4.5, qPrintable(QString::number(label)));
    }
    QApplication::setPalette(QPalette());

    QWidget big;
    big.setMinimumSize(3000, 3000);
    ScreenFit::fit(&big, QSize(4000, 4000));
    const QRect screen = big.screen()->availableGeometry();
    QVERIFY(screen.contains(QRect(big.pos(), big.size())));
    QVERIFY(big.minimumWidth() <= screen.width() && big.width() > screen.width() / 2);
}

// `tidyra $'/path/bad-\xff-folder'` selects that very folder.
void TidyraAppTest::aFolderNamedInBytesIsTakenAsItIs()
{
    ViewModelFixture fixture;
    const std::filesystem::path bad = fixture.temp / "bad-\xff-folder";
    std::filesystem::create_directories(bad);
    QByteArray argument = QByteArray::fromStdString(bad.native());
    char *argv[] = { const_cast<char *>("tidyra"), argument.data(), nullptr };
    int status = -1;
    const std::optional<CommandLine> options = CommandLine::parse(2, argv, status);
    QVERIFY(options && status == 0);
    const auto app = fixture.makeApp();
    QVERIFY(app->activate(options->folder));
    QCOMPARE(app->viewModel()->selectedFolder().bytes(), argument);
    QCOMPARE(app->viewModel()->statusMessage(), QStringLiteral("Ready — bad-\uFFFD-folder"));
}

QTEST_MAIN(TidyraAppTest)
#include "TidyraAppTest.moc"
