#include "Gate.h"
#include "ViewModelHarness.h"

#include <QTemporaryDir>
#include <QThread>

#include <atomic>

// Runs on the worker while the window goes on: their progress, a cancel, quitting.
class BackgroundRunsTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test gets its own journal place, never the user's.
    void init()
    {
        m_state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_state->path().toUtf8());
    }
    void undoSurvivesQuitting();
    void aRunGoesOnInTheBackgroundUntilCancelled();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

// Undo survives a restart, also after quitting mid-run.
void BackgroundRunsTest::undoSurvivesQuitting()
{
    TempDir dir;
    constexpr int fileCount = 80;
    const fs::path folder = makeFolder(dir, {}, "Slow", fileCount);
    std::atomic<int> moves = 0;
    {
        Harness h;
        h.choose(folder);
        // A slow disk: each move takes 25 ms, two seconds in all.
        h.fileSystem->beforeCall(Op::renameNoReplace, 0, [&] {
            QThread::msleep(25);
            ++moves;
        });
        h.vm->organizeNow();
        QTRY_VERIFY(moves >= 3);
    }
    // Quitting destroyed the view model: the run stopped after its current move.
    QVERIFY2(moves < fileCount / 2, "the run went on after its view model was gone");
    QCOMPARE(filesIn(folder), fileCount - moves);
    Harness restarted(toQString(folder));
    QTRY_VERIFY(restarted.vm->canUndo());
    restarted.run(&VM::undoLastOperation);
    QCOMPARE(restarted.vm->statusMessage(),
        QStringLiteral("Undo complete — %1 files restored.").arg(int(moves)));
    QCOMPARE(filesIn(folder), fileCount);
}

void BackgroundRunsTest::aRunGoesOnInTheBackgroundUntilCancelled()
{
    TempDir dir;
    // More than one batch of the journal (4096 moves), so progress is told mid-run.
    constexpr int fileCount = 4100;
    const fs::path folder = makeFolder(dir, {}, "Big", fileCount);
    Harness h;
    h.choose(folder);
    // A slow disk: the first move of the second batch waits for the test.
    Gate gate;
    h.fileSystem->beforeCall(Op::renameNoReplace, 4097, gate.holder());

    QSignalSpy applied(h.vm.get(), &VM::planApplied); // tells the desktop "organized"
    h.vm->organizeNow();
    QVERIFY(h.vm->isOrganizing());
    QCOMPARE(h.vm->progressMessage(), QStringLiteral("Organizing…"));
    QVERIFY(gate.waitUntilHeld());
    QTRY_COMPARE(h.vm->progressMessage(), QStringLiteral("Organizing… 4096 of 4100"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Big"));
    // One run at a time: nothing else starts meanwhile, and the run keeps its folder
    // (the chooser is not even asked).
    SignalRecorder recorder(h.vm.get());
    for (Action action : everyRun)
        (h.vm.get()->*action)();
    h.choose(dir / "Other");
    QCOMPARE(recorder.takeChanges(), QString());
    QCOMPARE(h.answers->size(), std::size_t(1));
    h.answers->clear();

    // The move under way ends; no other starts.
    h.vm->cancelRun();
    QCOMPARE(h.vm->progressMessage(), QStringLiteral("Stopping…"));
    gate.open();
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(),
        QStringLiteral("Cancelled — 4097 files organized before the cancel."));
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 4097 files in Big, cancelled") }));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog canUndo currentPlan isOrganizing progressMessage*2 "
                       "statusMessage"));
    QVERIFY(h.vm->progressMessage().isEmpty() && applied.isEmpty());
    QCOMPARE(filesIn(folder), 3);

    // What moved before the cancel is recorded like any run; undo counts its files,
    // not the moves announced in the journal (three never happened).
    Gate undoGate;
    h.fileSystem->beforeCall(Op::renameNoReplace, 1100, undoGate.holder());
    h.vm->undoLastOperation();
    QVERIFY(undoGate.waitUntilHeld());
    QTRY_COMPARE(h.vm->progressMessage(), QStringLiteral("Undoing… 1023 of 4097"));
    undoGate.open();
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 4097 files restored."));
    QCOMPARE(filesIn(folder), fileCount);

    // A cancel while Organize Now scans cancels the run: nothing moves, nothing is recorded.
    h.fileSystem->reset();
    const QStringList log = h.vm->activityLog();
    Gate scanning;
    h.fileSystem->beforeCall(Op::listFolder, 1, scanning.holder());
    h.vm->organizeNow();
    QVERIFY(scanning.waitUntilHeld());
    h.vm->cancelRun();
    scanning.open();
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(
        h.vm->statusMessage(), QStringLiteral("Cancelled — 0 files organized before the cancel."));
    QVERIFY(h.vm->activityLog() == log && !h.vm->canUndo());
    QCOMPARE(filesIn(folder), fileCount);
}

QTEST_GUILESS_MAIN(BackgroundRunsTest)
#include "tst_BackgroundRuns.moc"
