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
        for (const char *name : { "a.jpg", "b.png", "report.pdf", "data.xyz", "tool.abc", "README" })
            fixture.write(name);
        viewModel = fixture.makeViewModel();
        view = std::make_unique<ContentView>(viewModel.get());
        view->show();
        QTest::mouseClick(view->actionArea()->previewButton(), Qt::LeftButton);
        waitForRun(*viewModel);
        before = snapshotTree(fixture.inbox);
    }

    PreviewView *preview() const { return view->previewView(); }
    // Whether the folder is as it was when the dialog came up.
    bool untouched() const { return describeDifference(before, snapshotTree(fixture.inbox)).empty(); }

    ViewModelFixture fixture;
    std::unique_ptr<FolderOrganizerViewModel> viewModel;
    std::unique_ptr<ContentView> view;
    TreeSnapshot before;
};

bool activate(QWidget *window)
{
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class PreviewViewTest : public QObject
{
    Q_OBJECT

private slots:
    void beforeAndAfterShowThePlan();
    void cancelCloseAndEscapeLeaveTheFilesAlone();
    void onlyCtrlReturnApplies();
    void largePlanUsesNoWidgetPerRow();
};

void PreviewViewTest::beforeAndAfterShowThePlan()
{
    OpenPreview open;
    QVERIFY(open.preview() && open.preview()->isVisible());
    QCOMPARE(open.preview()->summaryLabel()->text(), QStringLiteral("6 files will be moved"));
    // "Before" lists each file of the plan, as the plan has them.
    QStringList planned;
    for (const MoveList::Move &move : open.viewModel->currentPlan()->moves)
        planned << QString::fromStdString(move.source);
    QCOMPARE(rowTexts(open.preview()->beforeList()->model()), planned);
    // README lands in "Others" itself, ahead of the sub-folders.
    const QStringList expected { "Documents/", "  report.pdf", "Images/", "  JPG/", "    a.jpg",
        "  PNG/", "    b.png", "Others/", "  README", "  ABC/", "    tool.abc", "  XYZ/",
        "    data.xyz" };
    QCOMPARE(indentedLines(open.preview()->afterList()->model()), expected);
}

void PreviewViewTest::cancelCloseAndEscapeLeaveTheFilesAlone()
{
    for (const QString how : { "Cancel", "close", "Escape" }) {
        OpenPreview open;
        const QString status = open.viewModel->statusMessage();
        PreviewView *preview = open.preview();
        if (how == QStringLiteral("Cancel"))
            QTest::mouseClick(preview->cancelButton(), Qt::LeftButton);
        else if (how == QStringLiteral("close"))
            QTest::mouseClick(preview->closeButton(), Qt::LeftButton);
        else if (activate(preview))
            QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY2(!open.preview() && !open.viewModel->isShowingPreview(), qPrintable(how));
        QVERIFY(!open.viewModel->canUndo() && open.untouched());
        QCOMPARE(open.viewModel->statusMessage(), status);
    }
}

void PreviewViewTest::onlyCtrlReturnApplies()
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
        QVERIFY2(open.preview() == preview && preview->isVisible(),
            qPrintable(focused->objectName()));
    }
    QVERIFY(open.untouched());

    // From the list, so the shortcut and not a default button does the work.
    QTest::keyClick(preview->afterList(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(waitForRun(*open.viewModel));
    QVERIFY(!open.preview() && !open.viewModel->isShowingPreview());
    QCOMPARE(open.viewModel->statusMessage(), QStringLiteral("6 files organized."));
    QVERIFY(std::filesystem::exists(open.fixture.inbox / "Others" / "README"));
    // The dialog is gone for good, not merely hidden.
    QTRY_VERIFY(preview.isNull());
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
    QVERIFY(preview.findChildren<QWidget *>().size() < 100);
    QVERIFY(preview.beforeList()->uniformItemSizes() && preview.afterList()->uniformRowHeights());
}

QTEST_MAIN(PreviewViewTest)
#include "PreviewViewTest.moc"
