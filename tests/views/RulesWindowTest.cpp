#include "RulesWindow.h"
#include "ActionArea.h"
#include "ContentView.h"
#include "MenuBarView.h"
#include "PreviewView.h"
#include "RulesCategoryPane.h"
#include "RulesEditor.h"
#include "RulesLeaveAlonePane.h"
#include "RulesListEditor.h"
#include "RulesRepairActions.h"
#include "StyledLabel.h"
#include "TidyraApp.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The Rules window as the app opens it: from the window's Ctrl+, and the tray, every
// control named for screen readers; a save makes the open preview again, and a rules
// file that cannot be used is offered mending in both windows.
class RulesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void openedFromKeyAndTrayAndSavedIntoThePreview();
};

void RulesWindowTest::openedFromKeyAndTrayAndSavedIntoThePreview()
{
    ViewModelFixture fixture;
    fixture.restoredFolder = fixture.inboxPath();
    fixture.write("report.md");
    fixture.write("a.jpg");
    const auto app = fixture.makeApp();
    app->start();
    QVERIFY(activate(app->mainWindow()));
    QTest::keyClick(app->mainWindow(), Qt::Key_Comma, Qt::ControlModifier);
    RulesWindow *window = app->contentView()->rulesWindow();
    QVERIFY(window && window->isVisible());
    app->menuBarView()->rulesAction()->trigger();
    QCOMPARE(app->contentView()->rulesWindow(), window);
    QTRY_VERIFY(window->editor()->isLoaded() && window->categoryPane()->isEnabled());
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        // A spin box's own field is read out as the spin box.
        if (control->focusPolicy() == Qt::NoFocus
            || qobject_cast<QAbstractSpinBox *>(control->parentWidget()))
            continue;
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    }

    // The preview, open, is made again with the rules saved.
    app->viewModel()->generatePreview();
    QVERIFY(waitForRun(*app->viewModel()));
    PreviewView *preview = app->contentView()->previewView();
    QCOMPARE(preview->summaryLabel()->text(), QStringLiteral("2 files will be moved"));
    RulesListEditor *names = window->leaveAlonePane()->names();
    names->field()->setText("REPORT.*");
    names->addButton()->click();
    QVERIFY(names->field()->text().isEmpty());
    window->saveButton()->click();
    QTRY_VERIFY(app->contentView()->previewView() != preview);
    QVERIFY(waitForRun(*app->viewModel()));
    QCOMPARE(app->contentView()->previewView()->summaryLabel()->text(),
        QStringLiteral("1 file will be moved; 1 left alone by your rules"));
    // Made again with nothing left to move, it closes.
    names->field()->setText("*.jpg");
    names->addButton()->click();
    window->saveButton()->click();
    QTRY_VERIFY(!app->contentView()->previewView());
    QVERIFY(waitForRun(*app->viewModel()) && !app->viewModel()->isShowingPreview());

    // A file that cannot be used: both windows say so and offer the ways out.
    const ActionArea *actions = app->contentView()->actionArea();
    QVERIFY(!actions->rulesRepair()->isVisibleTo(app->contentView()));
    writeFile(fixture.temp / "config/tidyra/rules.toml", "[leave-alone\n");
    app->viewModel()->organizeNow();
    QVERIFY(waitForRun(*app->viewModel()));
    QVERIFY(actions->rulesRepair()->isVisibleTo(app->contentView()));
    QVERIFY(window->fileErrorLabel()->isVisibleTo(window) && !window->categoryPane()->isEnabled());
    QCOMPARE(window->fileErrorLabel()->text(), window->editor()->fileError());
    QSignalSpy setAside(window->editor(), &RulesEditor::setAsideDone);
    window->repairActions()->defaultsButton()->click();
    QVERIFY(setAside.wait());
    QTRY_VERIFY(!actions->rulesRepair()->isVisibleTo(app->contentView()));
}

QTEST_MAIN(RulesWindowTest)
#include "RulesWindowTest.moc"
