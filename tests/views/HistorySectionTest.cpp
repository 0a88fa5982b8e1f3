#include "HistorySection.h"
#include "ActionArea.h"
#include "ContentView.h"
#include "FaultInjectingFileSystem.h"
#include "RunDetailsModel.h"
#include "RunDetailsView.h"
#include "RunHistoryModel.h"
#include "StyledLabel.h"
#include "ViewTestSupport.h"
#include "WaitForRun.h"
#include "services/organizing/OrganizingService.h"

#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <atomic>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;
using State = RunHistoryModel::State;
using Op = FaultInjectingFileSystem::Operation;

// A window opened over a folder whose runs an earlier session recorded, as after a
// restart: the history is read from the journal, and each run can be taken back alone.
class HistorySectionTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aRestartListsTheRecordedRunsNewestFirst();
    void eachUndoTakesBackOneRun();

private:
    // The runs of an earlier session, oldest first: one still whole, an automatic one
    // undone, one partly undone, one killed half-way, and the newest.
    void recordEarlierRuns();
    // The window after the restart, once its history is read.
    void openWindow();

    std::unique_ptr<ViewModelFixture> m_fixture;
    QStringList m_ids;
    std::unique_ptr<FolderOrganizerViewModel> m_viewModel;
    std::unique_ptr<ContentView> m_view;
};

void HistorySectionTest::init()
{
    m_view.reset();
    m_viewModel.reset();
    m_fixture = std::make_unique<ViewModelFixture>();
    m_ids.clear();
    recordEarlierRuns();
    openWindow();
}

void HistorySectionTest::recordEarlierRuns()
{
    auto disk = std::make_shared<FaultInjectingFileSystem>();
    const OrganizingService undo({}, disk);
    const fs::path inbox = m_fixture->inbox;
    const auto organize
        = [&](std::initializer_list<const char *> names, RunOrigin origin = RunOrigin::manual) {
              for (const char *name : names)
                  m_fixture->write(name);
              const RunReport report = undo.organize(undo.buildPlan(inbox), {}, nullptr, origin);
              m_ids.append(QString::fromStdString(report.runId));
          };
    organize({ "a.jpg", "b.png" });
    organize({ "c.pdf" }, RunOrigin::automatic);
    undo.undoRun(inbox, m_ids.back().toStdString());
    fs::remove(inbox / "c.pdf"); // back, and no later run's
    // Stopped after one of its two files went back.
    organize({ "d.mp3", "e.mp3" });
    std::atomic<bool> stop = false;
    RunControl control;
    control.cancel = &stop;
    control.restored = [&](const std::string &) { stop = true; };
    QCOMPARE(undo.undoRun(inbox, m_ids.back().toStdString(), control).restored, 1u);
    for (const char *name : { "d.mp3", "e.mp3" })
        fs::remove(inbox / name); // or the next run would take it
    // Killed before its second move.
    disk->beforeCall(Op::renameNoReplace, 2, [&] { disk->killAt(0); });
    try {
        organize({ "f.txt", "g.txt" });
        m_ids.removeLast(); // its id is read from the journal, as after a real kill
    } catch (const std::exception &) { }
    disk->reset();
    fs::remove(inbox / "g.txt"); // skipped when the kill came
    const std::vector<RunHistoryEntry> runs = undo.history(inbox);
    QCOMPARE(runs.size(), 4u);
    m_ids.append(QString::fromStdString(runs.front().id));
    organize({ "h.zip", "i.zip", "j.zip" });
}

void HistorySectionTest::openWindow()
{
    m_fixture->restoredFolder = m_fixture->inboxPath();
    m_viewModel = m_fixture->makeViewModel();
    m_view = std::make_unique<ContentView>(m_viewModel.get());
    m_view->show();
    QTRY_COMPARE(m_viewModel->runHistory()->rowCount(), 5);
    QTRY_VERIFY(m_viewModel->canUndo());
}

void HistorySectionTest::aRestartListsTheRecordedRunsNewestFirst()
{
    const RunHistoryModel *history = m_viewModel->runHistory();
    QStringList ids;
    QList<State> states;
    QList<bool> automatic;
    for (int row = 0; row < history->rowCount(); ++row) {
        const QModelIndex index = history->index(row, 0);
        ids.prepend(index.data(RunHistoryModel::RunIdRole).toString());
        states.append(index.data(RunHistoryModel::StateRole).value<State>());
        automatic.append(index.data(RunHistoryModel::AutomaticRole).toBool());
    }
    QCOMPARE(ids, m_ids);
    QCOMPARE(states,
        (QList<State> { State::undoable, State::interrupted, State::partlyUndone, State::undone,
            State::undoable }));
    QCOMPARE(automatic, (QList<bool> { false, false, false, true, false }));
    // Counts are left to the plural forms of the translations.
    const QString partly = history->index(2, 0).data().toString();
    QVERIFY2(partly.contains(QStringLiteral("\nManual run · partly undone, 1 file")),
        qPrintable(partly));
    QVERIFY(history->index(3, 0).data().toString().endsWith(
        QStringLiteral("\nAutomatic run · undone")));
    // The section picks the newest run and tells all it knows of it.
    HistorySection *section = m_view->historySection();
    QCOMPARE(section->currentRunId(), m_ids.back());
    QVERIFY(section->details()->text().startsWith(QStringLiteral("Run ") + m_ids.back()));

    // A run of the terminal shows when the window comes back.
    m_fixture->write("k.jpg");
    const OrganizingService service;
    const RunReport report = service.organize(service.buildPlan(m_fixture->inbox));
    // What the window does when it is shown or activated again.
    m_viewModel->refreshCanUndo();
    QTRY_COMPARE(m_viewModel->runHistory()->rowCount(), 6);
    QCOMPARE(m_view->historySection()->currentRunId(), QString::fromStdString(report.runId));

    // Show Files lists a run's files under where each is.
    section->list()->setCurrentIndex(section->list()->model()->index(3, 0)); // partly undone
    QTest::mouseClick(section->filesButton(), Qt::LeftButton);
    QTRY_VERIFY(section->filesView() && section->filesView()->isVisible());
    const RunDetailsModel *files = section->filesView()->model();
    QVERIFY(files->title().contains(QStringLiteral("moved by the run of")));
    // Each group heading ends with where its files are; one file went back, one stays.
    QMap<QString, QStringList> groups;
    for (int row = 0; row < files->rowCount(); ++row) {
        const QModelIndex group = files->index(row, 0);
        const QString heading = group.data().toString();
        QStringList &names = groups[heading.mid(heading.indexOf(u':') + 2)];
        for (int name = 0; name < files->rowCount(group); ++name)
            names.append(files->index(name, 0, group).data().toString());
    }
    QCOMPARE(groups.keys(),
        (QStringList {
            QStringLiteral("put back by an undo"), QStringLiteral("still in \"Audio\"") }));
    QCOMPARE((groups.first() + groups.last()).size(), 2);
    QVERIFY(fs::exists(m_fixture->inbox / "Audio" / groups.last().first().toStdString()));
}

// "Undo This Run" takes back the picked run alone; Undo the newest one left.
void HistorySectionTest::eachUndoTakesBackOneRun()
{
    const RunHistoryModel *history = m_viewModel->runHistory();
    HistorySection *section = m_view->historySection();
    QListView *list = section->list();
    // An undone run has nothing left to take back.
    list->setCurrentIndex(list->model()->index(3, 0));
    QVERIFY(!section->undoRunButton()->isEnabled());
    list->setCurrentIndex(list->model()->index(4, 0));
    QVERIFY(section->undoRunButton()->isEnabled());
    QTest::mouseClick(section->undoRunButton(), Qt::LeftButton);
    QVERIFY(waitForRun(*m_viewModel));

    const fs::path inbox = m_fixture->inbox;
    QVERIFY(fs::exists(inbox / "a.jpg") && fs::exists(inbox / "b.png"));
    QVERIFY(fs::exists(inbox / "Archives/h.zip") && fs::exists(inbox / "Audio"));
    // Read again: that run is undone now, and stays picked.
    QTRY_COMPARE(
        list->model()->index(4, 0).data(RunHistoryModel::StateRole).value<State>(), State::undone);
    QCOMPARE(section->currentRunId(), m_ids.front());
    QVERIFY(!section->undoRunButton()->isEnabled());

    // Undo names the run it takes back: the newest moved three files, the killed run before it one:
    // counts tell them apart where the times do not (plural forms are the translations').
    const auto names = [&](const QString &toolTip, int row, const QString &count) {
        const QTime started = history->runs()[std::size_t(row)].started.toLocalTime().time();
        return toolTip.startsWith(
            QStringLiteral("Undo the run of %1 (%2 file")
                .arg(QLocale().toString(started, QLocale::ShortFormat), count));
    };
    QPushButton *undo = m_view->actionArea()->undoButton();
    QVERIFY2(names(undo->toolTip(), 0, QStringLiteral("3")), qPrintable(undo->toolTip()));
    // Once the newest is undone, Undo takes back the run killed before it.
    QTest::mouseClick(undo, Qt::LeftButton);
    QVERIFY(waitForRun(*m_viewModel));
    QTRY_COMPARE(
        history->index(0, 0).data(RunHistoryModel::StateRole).value<State>(), State::undone);
    QVERIFY2(names(undo->toolTip(), 1, QStringLiteral("1")), qPrintable(undo->toolTip()));
}

QTEST_MAIN(HistorySectionTest)
#include "HistorySectionTest.moc"
