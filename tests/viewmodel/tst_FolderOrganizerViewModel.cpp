#include "FolderPath.h"
#include "Gate.h"
#include "RunHistoryModel.h"
#include "ViewModelHarness.h"
#include "services/journal/RunDetails.h"

#include <QTemporaryDir>
#include <QThread>

#include <atomic>

class FolderOrganizerViewModelTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test gets its own journal place, never the user's.
    void init()
    {
        m_state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_state->path().toUtf8());
    }
    void restoresTheStoredFolder();
    void stateTableFromChoiceToUndo();
    void scanErrorsAndTidyFolderKeepThePlan();
    void failedAndSkippedRunsKeepTheLastRun();
    void logKeepsNewestFiftyEntries();
    void folderNamesStayNames();
    // Runs on the worker while the window goes on: their progress, a cancel, quitting.
    void undoSurvivesQuitting();
    void aRunGoesOnInTheBackgroundUntilCancelled();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

void FolderOrganizerViewModelTest::restoresTheStoredFolder()
{
    // What is stored, and the name shown for it ("" when nothing is restored).
    for (const auto &[stored, name] : std::initializer_list<std::pair<QString, QString>> {
             { QString(), QString() }, { QStringLiteral(""), QString() },
             { QStringLiteral("/home/ana/Downloads/"), QStringLiteral("Downloads") },
             { QStringLiteral("/"), QStringLiteral("/") },
             { QStringLiteral("/home/ana/Mes Téléchargements"), "Mes Téléchargements" } }) {
        Harness h(stored);
        QCOMPARE(
            h.vm->selectedFolder().url(), name.isEmpty() ? QUrl() : QUrl::fromLocalFile(stored));
        QCOMPARE(h.vm->statusMessage(),
            name.isEmpty() ? QStringLiteral("Select a folder to get started.") : "Ready — " + name);
        QVERIFY(!h.vm->canUndo() && h.vm->activityLog().isEmpty());
    }
}

// The state table along a typical course, with what each step signals: only real changes.
void FolderOrganizerViewModelTest::stateTableFromChoiceToUndo()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.png", "notes.txt" });
    const fs::path other = makeFolder(dir, {}, "Other");
    Harness h;
    // The UI thread never waits for the disk: the journal's answers come from the worker.
    std::atomic<int> onUiThread = 0;
    h.fileSystem->beforeCall(
        Op::openFolder, 0, [&] { onUiThread += QThread::currentThread() == qApp->thread(); });
    h.vm->setIsShowingPreview(true);
    SignalRecorder recorder(h.vm.get());

    // Without a folder or a plan no action does anything, nor does a cancelled chooser
    // (which tells only that it was open, as every choice does).
    for (Action action : everyRun)
        h.run(action);
    h.answers->push_back(std::nullopt);
    h.vm->chooseFolder();
    QCOMPARE(recorder.takeChanges(), QStringLiteral("isChoosingFolder*2"));
    QCOMPARE(h.fileSystem->totalCalls(), 0);
    h.vm->setIsShowingPreview(false);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("isShowingPreview"));

    h.choose(folder);
    QCOMPARE(
        recorder.takeChanges(), QStringLiteral("isChoosingFolder*2 selectedFolder statusMessage"));

    h.run(&VM::generatePreview);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("currentPlan isOrganizing*2 isShowingPreview progressMessage*2"));
    QCOMPARE(h.vm->currentPlan()->moves.size(), std::size_t(3));
    // A plan is stored again even when it looks the same.
    h.run(&VM::generatePreview);
    QCOMPARE(
        recorder.takeChanges(), QStringLiteral("currentPlan isOrganizing*2 progressMessage*2"));
    const std::shared_ptr<const OrganizationPlan> plan = h.vm->currentPlan();

    h.run(&VM::applyCurrentPlan);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral(
            "activityLog canUndo isOrganizing*2 isShowingPreview progressMessage*2 statusMessage"));
    QCOMPARE(h.vm->currentPlan(), plan);
    QCOMPARE(filesIn(folder), 0);

    // Three fresh files: canUndo and the status line stay as they are, unsignalled.
    for (const char *name : { "c.mp3", "d.mp3", "e.mp3" })
        writeFile(folder / name);
    h.run(&VM::organizeNow);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog currentPlan isOrganizing*2 progressMessage*2"));
    const QString organized = QStringLiteral("[10:42] Organized 3 files in Mes Téléchargements");
    QCOMPARE(h.vm->activityLog(), QStringList({ organized, organized }));

    // Another folder starts afresh, with no Undo nor history; the plan and the sheet's
    // flag are not the chooser's business (no signal), and Undo acts on the chosen folder only.
    QTRY_COMPARE(h.vm->runHistory()->rowCount(), 2);
    h.vm->setIsShowingPreview(true);
    h.choose(other);
    QCOMPARE(h.vm->runHistory()->rowCount(), 0);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog canUndo isChoosingFolder*2 isShowingPreview selectedFolder "
                       "statusMessage"));
    QVERIFY(h.vm->activityLog().isEmpty());
    h.vm->setIsShowingPreview(false);
    h.run(&VM::undoLastOperation);
    QCOMPARE(filesIn(folder), 0);
    // Back to the first folder: its last run is still undoable, on disk, not in the
    // session; the same folder once more changes nothing.
    h.choose(folder);
    QTRY_VERIFY(h.vm->canUndo());
    recorder.takeChanges();
    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("isChoosingFolder*2"));

    // Undo takes back the last run, the one Undo there is.
    h.run(&VM::undoLastOperation);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog canUndo isOrganizing*2 progressMessage*2 statusMessage"));
    QCOMPARE(h.vm->activityLog().size(), 1);
    QCOMPARE(filesIn(folder), 3);
    QCOMPARE(onUiThread, 0);
}

// A restored folder that is gone, a scan that fails and a tidy folder all leave the
// plan as it was; only a preview of the tidy folder stores its empty plan.
void FolderOrganizerViewModelTest::scanErrorsAndTidyFolderKeepThePlan()
{
    TempDir dir;
    Harness h(toQString(dir / "Mes Téléchargements"));
    SignalRecorder recorder(h.vm.get());
    h.run(&VM::generatePreview);
    QVERIFY2(showsError(*h.vm, ENOENT), qPrintable(h.vm->statusMessage()));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("isOrganizing*2 isStatusError progressMessage*2 statusMessage"));
    QVERIFY(!h.vm->currentPlan());

    const fs::path folder = makeFolder(dir, { "a.txt" });
    h.run(&VM::generatePreview);
    h.vm->setIsShowingPreview(false);
    const std::shared_ptr<const OrganizationPlan> oldPlan = h.vm->currentPlan();
    for (Action action : { &VM::generatePreview, &VM::organizeNow }) {
        h.fileSystem->failCall(Op::listFolder, 1, EACCES);
        h.run(action);
        QVERIFY2(showsError(*h.vm, EACCES), qPrintable(h.vm->statusMessage()));
        QCOMPARE(h.vm->currentPlan(), oldPlan);
        QVERIFY(!h.vm->isShowingPreview() && !h.vm->canUndo());
        QVERIFY(h.vm->activityLog().isEmpty() && fs::exists(folder / "a.txt"));
    }

    // Only what organize leaves alone is left.
    fs::remove(folder / "a.txt");
    fs::create_directory(folder / "sub");
    writeFile(folder / ".hidden.jpg");
    recorder.takeChanges();
    h.run(&VM::organizeNow);
    QCOMPARE(
        h.vm->statusMessage(), QStringLiteral("Nothing to organize — folder is already tidy."));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("isOrganizing*2 isStatusError progressMessage*2 statusMessage"));
    QCOMPARE(h.vm->currentPlan(), oldPlan);
    h.run(&VM::generatePreview);
    QVERIFY(h.vm->currentPlan() != oldPlan && h.vm->currentPlan()->moves.empty());
    QVERIFY(!h.vm->isShowingPreview());
}

// A run that fails or moves nothing keeps the run before it undoable; what it skipped
// reaches the status line, the log and the app; an undo that cannot put everything back
// counts what stays apart.
void FolderOrganizerViewModelTest::failedAndSkippedRunsKeepTheLastRun()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    Harness h;
    h.choose(folder);
    h.run(&VM::organizeNow);
    const QStringList log = h.vm->activityLog();

    writeFile(folder / "song.mp3");
    h.fileSystem->failCall(Op::makeFolder, 1, EACCES);
    SignalRecorder recorder(h.vm.get());
    h.run(&VM::organizeNow);
    QVERIFY2(showsError(*h.vm, EACCES), qPrintable(h.vm->statusMessage()));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("currentPlan isOrganizing*2 isStatusError progressMessage*2 statusMessage"));
    QCOMPARE(h.vm->activityLog(), log);

    writeFile(folder / "c\nd.txt");
    h.fileSystem->failCall(Op::renameNoReplace, 0, EACCES);
    QSignalSpy applied(h.vm.get(), &VM::planApplied);
    h.run(&VM::organizeNow);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("0 files organized, 2 skipped."));
    QCOMPARE(h.vm->activityLog().first(),
        QStringLiteral("[10:42] Organized 0 files in Mes Téléchargements, 2 skipped"));
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.first(), (QList<QVariant> { 0, 2 }));
    // The details, read from the journal, are those of this run.
    QTRY_VERIFY(h.vm->runDetails() && h.vm->runDetails()->entries.size() == 2);
    QVERIFY(h.vm->canUndo());

    // What cannot go back because something new sits at its old name stays recorded,
    // and its run stays on offer in the log.
    h.fileSystem->reset();
    writeFile(folder / "b.txt", "newer");
    const QString firstRun = h.vm->activityRunId(1);
    h.vm->undoRun(firstRun);
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(),
        QStringLiteral("Undo incomplete — 1 file restored, 1 file could not be restored."));
    QVERIFY(h.vm->isStatusWarning() && h.vm->canUndo() && fs::exists(folder / "a.jpg"));
    QCOMPARE(readFile(folder / "b.txt"), std::string("newer"));
    QTRY_VERIFY(h.vm->runDetails() && h.vm->runDetails()->kind == RunDetails::Kind::undo);
    // ... also after a restart.
    Harness restarted(toQString(folder));
    QTRY_VERIFY(restarted.vm->runDetails());
    QCOMPARE(restarted.vm->runDetails()->entries, h.vm->runDetails()->entries);
    restarted.choose(dir.path()); // they are no other folder's
    QVERIFY(!restarted.vm->runDetails());
    // Once the obstacle is gone, a second undo finishes the job.
    fs::remove(folder / "b.txt");
    QCOMPARE(h.vm->activityRunId(2), firstRun);
    h.vm->undoRun(firstRun);
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 1 file restored."));
    QVERIFY(!h.vm->isStatusWarning() && !h.vm->canUndo());
    QCOMPARE(readFile(folder / "b.txt"), std::string("b.txt"));
    QTRY_VERIFY(!h.vm->runDetails());
}

void FolderOrganizerViewModelTest::logKeepsNewestFiftyEntries()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.txt" }, "Inbox"));

    // Organize and undo in turn; each run adds one entry, stamped with its number.
    for (int entry = 1; entry <= 51; ++entry) {
        h.clock->setTimeOfDay(QString::number(entry));
        h.run(entry % 2 ? &VM::organizeNow : &VM::undoLastOperation);
        QCOMPARE(h.vm->activityLog().size(), std::min(entry, 50));
    }
    QCOMPARE(h.vm->activityLog().front(), QStringLiteral("[51] Organized 1 file in Inbox"));
    QCOMPARE(h.vm->activityLog().back(), QStringLiteral("[2] Undo complete — 1 file restored."));
}

// A newline in a folder's name is shown escaped wherever the name appears; a name that
// is not UTF-8 is chosen, organized and restored at the next launch byte for byte.
void FolderOrganizerViewModelTest::folderNamesStayNames()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.jpg" }, "two\nlines"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — two\\nlines"));
    QCOMPARE(h.vm->selectedFolder().display(), toQString(dir / "two\\nlines"));
    QCOMPARE(h.settings->stringValue("lastFolderPath"), toQString(dir / "two\nlines"));
    h.run(&VM::organizeNow);
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 1 file in two\\nlines") }));

    const fs::path bad = makeFolder(dir, { "b.pdf" }, "bad-\xff-folder");
    const QByteArray bytes = QByteArray::fromStdString(bad.native());
    h.answers->push_back(FolderPath(bytes));
    h.vm->chooseFolder();
    QCOMPARE(h.vm->selectedFolder().displayName(), QStringLiteral("bad-\uFFFD-folder"));
    QCOMPARE(FolderPath::fromUrl(h.vm->selectedFolder().url()).bytes(), bytes);
    h.run(&VM::organizeNow);
    QVERIFY(fs::exists(bad / "Documents" / "b.pdf"));
    auto *settings = new MemorySettingsStore(h.settings->stringValue("lastFolderPath"));
    settings->setStringValue("lastFolderPathBytes", h.settings->stringValue("lastFolderPathBytes"));
    VM restarted(std::make_unique<QueuedFolderChooser>(h.answers),
        std::unique_ptr<SettingsStore>(settings), std::make_unique<FixedClock>("10:42"), {});
    QTRY_VERIFY(restarted.canUndo());
    QCOMPARE(restarted.selectedFolder().bytes(), bytes);
}

// Undo survives a restart, also after quitting mid-run.
void FolderOrganizerViewModelTest::undoSurvivesQuitting()
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

void FolderOrganizerViewModelTest::aRunGoesOnInTheBackgroundUntilCancelled()
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

QTEST_GUILESS_MAIN(FolderOrganizerViewModelTest)
#include "tst_FolderOrganizerViewModel.moc"
