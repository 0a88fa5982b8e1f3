#include "PreviewView.h"
#include "ActionArea.h"
#include "AfterTreeModel.h"
#include "ContentView.h"
#include "PlainListView.h"
#include "PlainTreeView.h"
#include "StyledLabel.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The window with a plan of six files up in the preview dialog: images of two kinds
// (sub-folders), one document (directly in its folder), and in Others two kinds plus a
// file without extension, which lands in "Others" itself.
struct OpenPreview
{
    OpenPreview()
    {
        fixture.restoredFolder = fixture.inboxPath();
        for (const char *name :
            { "a.jpg", "b.png", "report.pdf", "data.xyz", "tool.abc", "README" })
            fixture.write(name);
        viewModel = fixture.makeViewModel();
        view = std::make_unique<ContentView>(viewModel.get());
        view->show();
        QTest::mouseClick(view->actionArea()->previewButton(), Qt::LeftButton);
        waitForRun(*viewModel);
        before = snapshotTree(fixture.inbox);
    }

    PreviewView *preview() const { return view->previewView(); }

    ViewModelFixture fixture;
    std::unique_ptr<FolderOrganizerViewModel> viewModel;
    std::unique_ptr<ContentView> view;
    TreeSnapshot before;
};

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class PreviewViewTest : public QObject
{
    Q_OBJECT

private slots:
    void previewRaisesTheDialogOverTheWindow();
    void beforeAndAfterShowThePlan();
    void dismissingLeavesFilesAndStatusAlone_data();
    void dismissingLeavesFilesAndStatusAlone();
    void applyingMovesTheFilesAndCloses_data();
    void applyingMovesTheFilesAndCloses();
    void plainReturnAndSpaceNeverApply();
    void tidyFolderRaisesNoDialog();
    void largePlanUsesNoWidgetPerRow();
};

void PreviewViewTest::previewRaisesTheDialogOverTheWindow()
{
    OpenPreview open;
    PreviewView *preview = open.preview();
    QVERIFY(preview && preview->isVisible());
    QVERIFY(open.viewModel->isShowingPreview());
    QCOMPARE(preview->windowModality(), Qt::WindowModal);
    QCOMPARE(preview->parentWidget(), open.view->window());
    QCOMPARE(preview->viewModel(), open.viewModel.get());
    QCOMPARE(preview->minimumSize(), QSize(620, 420));
    QCOMPARE(preview->titleLabel()->text(), QStringLiteral("Organization Preview"));
    QCOMPARE(preview->summaryLabel()->text(), QStringLiteral("6 files will be moved"));
    QCOMPARE(PreviewView::summaryText(1), QStringLiteral("1 file will be moved"));
    QCOMPARE(preview->cancelButton()->text(), QStringLiteral("Cancel"));
    QCOMPARE(preview->applyButton()->text(), QStringLiteral("Apply"));
    // Neither button is the dialog's default: only Ctrl+Return applies.
    for (QPushButton *button : { preview->applyButton(), preview->cancelButton() })
        QVERIFY(!button->isDefault() && !button->autoDefault());

    // The icon-only close button is named for screen readers and reachable by keyboard.
    QToolButton *close = preview->closeButton();
    QVERIFY(!close->icon().isNull());
    QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
    for (QWidget *control : QList<QWidget *> { close, preview->beforeList(), preview->afterList() })
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
}

void PreviewViewTest::beforeAndAfterShowThePlan()
{
    OpenPreview open;
    QStringList planned;
    for (const MoveList::Move &move : open.viewModel->currentPlan()->moves)
        planned << QString::fromStdString(move.source);
    QCOMPARE(planned.size(), 6);
    QCOMPARE(rowTexts(open.preview()->beforeList()->model()), planned);

    const QStringList expected {
        QStringLiteral("Documents/"),
        QStringLiteral("  report.pdf"),
        QStringLiteral("Images/"),
        QStringLiteral("  JPG/"),
        QStringLiteral("    a.jpg"),
        QStringLiteral("  PNG/"),
        QStringLiteral("    b.png"),
        QStringLiteral("Others/"),
        // Where it lands: in "Others" itself, ahead of the sub-folders.
        QStringLiteral("  README"),
        QStringLiteral("  ABC/"),
        QStringLiteral("    tool.abc"),
        QStringLiteral("  XYZ/"),
        QStringLiteral("    data.xyz"),
    };
    QCOMPARE(indentedLines(open.preview()->afterList()->model()), expected);
}

void PreviewViewTest::dismissingLeavesFilesAndStatusAlone_data()
{
    // A button to click, or else Escape with these modifiers.
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Cancel") << QStringLiteral("cancel") << 0;
    QTest::newRow("close button") << QStringLiteral("close") << 0;
    QTest::newRow("Escape") << QString() << int(Qt::NoModifier);
    QTest::newRow("Ctrl+Escape") << QString() << int(Qt::ControlModifier);
}

void PreviewViewTest::dismissingLeavesFilesAndStatusAlone()
{
    QFETCH(QString, button);
    QFETCH(int, modifiers);
    OpenPreview open;
    const QString status = open.viewModel->statusMessage();
    PreviewView *preview = open.preview();
    QVERIFY(preview);

    if (button == QStringLiteral("cancel"))
        QTest::mouseClick(preview->cancelButton(), Qt::LeftButton);
    else if (button == QStringLiteral("close"))
        QTest::mouseClick(preview->closeButton(), Qt::LeftButton);
    else {
        QVERIFY(activate(preview));
        QTest::keyClick(preview, Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
    }

    QVERIFY(!open.preview());
    QVERIFY(!open.viewModel->isShowingPreview());
    QCOMPARE(open.viewModel->statusMessage(), status);
    QVERIFY(!open.viewModel->canUndo());
    QCOMPARE(describeDifference(open.before, snapshotTree(open.fixture.inbox)), std::string());

    // Preview again: a fresh plan, not the one dismissed.
    open.fixture.write("extra.mp3");
    QTest::mouseClick(open.view->actionArea()->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*open.viewModel));
    QVERIFY(open.preview());
    QCOMPARE(open.preview()->summaryLabel()->text(), QStringLiteral("7 files will be moved"));
}

void PreviewViewTest::applyingMovesTheFilesAndCloses_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Apply") << false;
    QTest::newRow("Ctrl+Return") << true;
}

void PreviewViewTest::applyingMovesTheFilesAndCloses()
{
    QFETCH(bool, byKeyboard);
    OpenPreview open;
    QPointer<PreviewView> preview = open.preview();
    if (byKeyboard) {
        QVERIFY(activate(preview));
        // From a list, so the shortcut and not the default button does the work.
        open.preview()->afterList()->setFocus();
        QTest::keyClick(preview, Qt::Key_Return, Qt::ControlModifier);
    } else {
        QTest::mouseClick(preview->applyButton(), Qt::LeftButton);
    }
    QVERIFY(waitForRun(*open.viewModel));

    QVERIFY(!open.preview());
    QVERIFY(!open.viewModel->isShowingPreview());
    QCOMPARE(open.viewModel->statusMessage(), QStringLiteral("6 files organized."));
    QVERIFY(open.viewModel->canUndo());
    const std::filesystem::path inbox = open.fixture.inbox;
    QVERIFY(std::filesystem::exists(inbox / "Images" / "JPG" / "a.jpg"));
    QVERIFY(std::filesystem::exists(inbox / "Documents" / "report.pdf"));
    QVERIFY(std::filesystem::exists(inbox / "Others" / "README"));
    QVERIFY(!std::filesystem::exists(inbox / "a.jpg"));
    // The dialog is gone for good, not merely hidden.
    QTRY_VERIFY(preview.isNull());
}

void PreviewViewTest::plainReturnAndSpaceNeverApply()
{
    OpenPreview open;
    QPointer<PreviewView> preview = open.preview();
    QVERIFY(activate(preview));
    // Where the focus starts, then on "Apply" itself and on a list.
    for (QWidget *focused :
        QList<QWidget *> { preview->focusWidget(), preview->applyButton(), preview->afterList() }) {
        focused->setFocus();
        for (const auto key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Select })
            QTest::keyClick(focused, key);
        QVERIFY2(open.preview() == preview, qPrintable(focused->objectName()));
        QVERIFY(preview->isVisible());
    }
    QCOMPARE(describeDifference(open.before, snapshotTree(open.fixture.inbox)), std::string());

    // Ctrl+Return still applies, also from the focused button.
    preview->applyButton()->setFocus();
    QTest::keyClick(preview->applyButton(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(waitForRun(*open.viewModel));
    QVERIFY(!open.preview());
    QCOMPARE(open.viewModel->statusMessage(), QStringLiteral("6 files organized."));
}

void PreviewViewTest::tidyFolderRaisesNoDialog()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    auto viewModel = fixture.makeViewModel();
    ContentView view(viewModel.get());

    QTest::mouseClick(view.actionArea()->previewButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*viewModel));

    QVERIFY(!view.previewView());
    QCOMPARE(viewModel->statusMessage(),
        QStringLiteral("Nothing to organize — folder is already tidy."));
}

void PreviewViewTest::largePlanUsesNoWidgetPerRow()
{
    auto plan = std::make_shared<MoveList>();
    plan->folder = "/nowhere";
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
    QVERIFY(preview.beforeList()->uniformItemSizes());
    QVERIFY(preview.afterList()->uniformRowHeights());
    QVERIFY(preview.findChildren<QWidget *>().size() < 100);
    QCOMPARE(preview.summaryLabel()->text(), QStringLiteral("5000 files will be moved"));
}

QTEST_MAIN(PreviewViewTest)
#include "PreviewViewTest.moc"
