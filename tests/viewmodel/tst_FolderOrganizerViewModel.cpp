#include "FaultInjectingFileSystem.h"
#include "FixedClock.h"
#include "FolderOrganizerViewModel.h"
#include "Gate.h"
#include "MemorySettingsStore.h"
#include "QSettingsStore.h"
#include "TempDir.h"
#include "FileOrganizerService.h"
#include "UndoService.h"
#include "WaitForRun.h"

#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;
using Op = FaultInjectingFileSystem::Operation;
using Action = void (FolderOrganizerViewModel::*)();

namespace {

const QString initialStatus = QStringLiteral("Select a folder to get started.");

// Answers each request with the next queued answer; an empty queue means "cancel".
struct QueuedFolderChooser final : FolderChooser
{
    std::optional<QString> chooseFolder() override
    {
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    QList<std::optional<QString>> answers;
};

// Spies on every change signal of the view model and tells what fired since the last
// call, as "name" or "name*count", sorted by name; "" when nothing did.
class SignalRecorder
{
public:
    explicit SignalRecorder(const QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            m_spies.emplace(QString::fromLatin1(meta->property(i).name()),
                std::make_unique<QSignalSpy>(object, meta->property(i).notifySignal()));
    }

    QString takeChanges()
    {
        QStringList changes;
        for (auto &[name, spy] : m_spies) {
            if (spy->count() > 0)
                changes << (spy->count() == 1 ? name : name + u'*' + QString::number(spy->count()));
            spy->clear();
        }
        return changes.join(u' ');
    }

private:
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spies;
};

// What `action` writes to file descriptor 1, where the engine reports skipped files.
QByteArray stdoutOf(const std::function<void()> &action)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    std::cout.flush();
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(file.handle(), STDOUT_FILENO);
    action();
    std::cout.flush();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    file.seek(0);
    return file.readAll();
}

QString toQString(const fs::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A view model over fake ports and a fault-injecting wrapper around the real disk.
// The raw pointers stay valid as long as the view model lives.
struct Harness
{
    explicit Harness(const QString &storedFolder = QString())
    {
        if (!storedFolder.isNull())
            settings->setStringValue(QStringLiteral("lastFolderPath"), storedFolder);
        vm = std::make_unique<FolderOrganizerViewModel>(std::unique_ptr<FolderChooser>(chooser),
            std::unique_ptr<SettingsStore>(settings), std::unique_ptr<Clock>(clock), fileSystem);
    }

    // Starts `action` and waits until its run, if any, is over and reported.
    void run(Action action)
    {
        (vm.get()->*action)();
        QVERIFY(waitForRun(*vm));
    }

    // Chooses `folder` through the folder chooser, as the user would.
    void choose(const fs::path &folder)
    {
        chooser->answers << toQString(folder);
        vm->chooseFolder();
    }

    QString storedFolder() const { return settings->stringValue(QStringLiteral("lastFolderPath")); }

    // Owned by the view model once it is made.
    QueuedFolderChooser *chooser = new QueuedFolderChooser;
    MemorySettingsStore *settings = new MemorySettingsStore;
    FixedClock *clock = new FixedClock(QStringLiteral("10:42"));
    std::shared_ptr<FaultInjectingFileSystem> fileSystem
        = std::make_shared<FaultInjectingFileSystem>();
    std::unique_ptr<FolderOrganizerViewModel> vm;
};

// A folder with a name that needs more than ASCII, holding `files`.
fs::path makeFolder(const TempDir &dir, std::initializer_list<const char *> files,
    const char *name = "Mes Téléchargements")
{
    const fs::path folder = dir / name;
    fs::create_directories(folder);
    for (const char *file : files)
        writeFile(folder / file, file);
    return folder;
}

// How many regular files lie directly in `folder`.
int filesIn(const fs::path &folder)
{
    return int(std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
        [](const fs::directory_entry &entry) { return entry.is_regular_file(); }));
}

} // namespace

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
    void restoresTheStoredFolder_data();
    void restoresTheStoredFolder();
    void typicalCourseFromChoiceToUndo();
    void signalsFireOnlyOnRealChanges();
    void choosingAFolderStartsAFreshLogAndUndoRecord();
    void tidyFolderKeepsTheOldPlan();
    void scanErrorsAreShownAndKeepThePlan();
    void executionErrorKeepsTheRecordUndoFailureForgetsIt();
    void undoSurvivesARestartAndIsSharedWithTheTerminal();
    void skippedMovesReachStandardOutput();
    void aRunGoesOnInTheBackgroundUntilCancelled();
    void quittingDuringARunKeepsItsRecord();
    void logKeepsNewestFiftyEntries();
    void settingsFileKeepsTheFolder();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

void FolderOrganizerViewModelTest::restoresTheStoredFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::newRow("nothing stored") << QString() << QString();
    QTest::newRow("empty string stored") << QStringLiteral("") << QString();
    QTest::newRow("plain") << QStringLiteral("/home/ana/Downloads") << QStringLiteral("Downloads");
    QTest::newRow("trailing slash")
        << QStringLiteral("/home/ana/Downloads/") << QStringLiteral("Downloads");
    QTest::newRow("non-ASCII, spaces")
        << QStringLiteral("/home/ana/Mes Téléchargements") << QStringLiteral("Mes Téléchargements");
}

void FolderOrganizerViewModelTest::restoresTheStoredFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    Harness h(stored);
    QCOMPARE(h.vm->selectedFolderURL(), name.isEmpty() ? QUrl() : QUrl::fromLocalFile(stored));
    QCOMPARE(h.vm->selectedFolderName(), name);
    QCOMPARE(
        h.vm->statusMessage(), name.isEmpty() ? initialStatus : QStringLiteral("Ready — ") + name);
    QVERIFY(!h.vm->canUndo());
    QVERIFY(h.vm->activityLog().isEmpty());
}

void FolderOrganizerViewModelTest::typicalCourseFromChoiceToUndo()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.png", "notes.txt" });
    const TreeSnapshot before = snapshotTree(folder);
    Harness h;

    h.choose(folder);
    QCOMPARE(h.vm->selectedFolderPath(), toQString(folder));
    QCOMPARE(h.storedFolder(), toQString(folder));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Mes Téléchargements"));
    QVERIFY(!h.vm->canUndo());

    h.run(&FolderOrganizerViewModel::generatePreview);
    QCOMPARE(h.vm->currentPlan()->moves.size(), std::size_t(3));
    QVERIFY(h.vm->isShowingPreview());
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Mes Téléchargements"));
    QCOMPARE(describeDifference(before, snapshotTree(folder)), std::string());

    const std::shared_ptr<const MoveList> plan = h.vm->currentPlan();
    h.run(&FolderOrganizerViewModel::applyCurrentPlan);
    QVERIFY(!h.vm->isShowingPreview());
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("3 files organized."));
    QVERIFY(h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 3 files in Mes Téléchargements") }));
    QCOMPARE(filesIn(folder), 0);
    QCOMPARE(h.vm->currentPlan(), plan);

    h.clock->setTimeOfDay(QStringLiteral("10:43"));
    h.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 3 files restored."));
    QVERIFY(!h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:43] Undo complete — 3 files restored."),
            QStringLiteral("[10:42] Organized 3 files in Mes Téléchargements") }));
    QCOMPARE(describeDifference(before, snapshotTree(folder)), std::string());
}

void FolderOrganizerViewModelTest::signalsFireOnlyOnRealChanges()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    Harness h;
    h.vm->setIsShowingPreview(true);
    SignalRecorder recorder(h.vm.get());

    // Without a folder or a plan, no action does anything.
    for (Action action : { &FolderOrganizerViewModel::generatePreview,
             &FolderOrganizerViewModel::organizeNow, &FolderOrganizerViewModel::applyCurrentPlan,
             &FolderOrganizerViewModel::undoLastOperation })
        h.run(action);
    QCOMPARE(recorder.takeChanges(), QString());
    QVERIFY(h.vm->isShowingPreview());
    QCOMPARE(h.fileSystem->totalCalls(), 0);
    h.vm->setIsShowingPreview(false);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("isShowingPreview"));

    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("selectedFolderURL statusMessage"));
    // Each scan and run is a run on the worker, with isOrganizing up while it lasts.
    h.run(&FolderOrganizerViewModel::generatePreview);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("currentPlan isOrganizing*2 isShowingPreview progressMessage*2"));
    // A plan is stored again even when it looks the same, and says so each time.
    h.run(&FolderOrganizerViewModel::generatePreview);
    QCOMPARE(
        recorder.takeChanges(), QStringLiteral("currentPlan isOrganizing*2 progressMessage*2"));
    h.vm->setIsShowingPreview(true);
    QCOMPARE(recorder.takeChanges(), QString());

    h.run(&FolderOrganizerViewModel::applyCurrentPlan);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral(
            "activityLog canUndo isOrganizing*2 isShowingPreview progressMessage*2 statusMessage"));

    // Organizing two fresh files: canUndo and the status text stay the same.
    writeFile(folder / "c.mp3");
    writeFile(folder / "d.mp3");
    h.run(&FolderOrganizerViewModel::organizeNow);
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog currentPlan isOrganizing*2 progressMessage*2"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("2 files organized."));

    // A cancelled chooser changes nothing; the same folder again keeps its URL and
    // starts the rest afresh, and once more changes nothing at all.
    h.chooser->answers << std::nullopt;
    h.vm->chooseFolder();
    QCOMPARE(recorder.takeChanges(), QString());
    QVERIFY(h.vm->canUndo());
    h.choose(folder);
    // The folder's last run stays undoable: it is on disk, not in this session.
    QCOMPARE(recorder.takeChanges(), QStringLiteral("activityLog statusMessage"));
    QVERIFY(h.vm->activityLog().isEmpty());
    QVERIFY(h.vm->canUndo());
    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QString());
}

// The same folder again is covered with the signals.
void FolderOrganizerViewModelTest::choosingAFolderStartsAFreshLogAndUndoRecord()
{
    TempDir dir;
    const fs::path first = makeFolder(dir, { "a.jpg", "b.txt" }, "First");
    const fs::path next = makeFolder(dir, {}, "Second");
    Harness h;
    h.choose(first);
    h.run(&FolderOrganizerViewModel::generatePreview);
    h.run(&FolderOrganizerViewModel::applyCurrentPlan);
    h.vm->setIsShowingPreview(true);
    const std::shared_ptr<const MoveList> plan = h.vm->currentPlan();

    h.choose(next);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Second"));
    QCOMPARE(h.storedFolder(), toQString(next));
    QVERIFY(!h.vm->canUndo());
    QVERIFY(h.vm->activityLog().isEmpty());
    // The plan and the sheet's flag are not the chooser's business.
    QCOMPARE(h.vm->currentPlan(), plan);
    QVERIFY(h.vm->isShowingPreview());

    // Undo acts on the chosen folder only; the first folder's run waits for it.
    h.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Second"));
    QCOMPARE(filesIn(first), 0);
    h.choose(first);
    QVERIFY(h.vm->canUndo());
}

void FolderOrganizerViewModelTest::tidyFolderKeepsTheOldPlan()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.txt" });
    Harness h;
    h.choose(folder);
    h.run(&FolderOrganizerViewModel::generatePreview);
    const std::shared_ptr<const MoveList> oldPlan = h.vm->currentPlan();
    h.vm->setIsShowingPreview(false);
    // Only what organize leaves alone is left.
    fs::remove(folder / "a.txt");
    fs::create_directory(folder / "sub");
    writeFile(folder / ".hidden.jpg");

    SignalRecorder recorder(h.vm.get());
    h.run(&FolderOrganizerViewModel::organizeNow);
    QCOMPARE(
        h.vm->statusMessage(), QStringLiteral("Nothing to organize — folder is already tidy."));
    QCOMPARE(
        recorder.takeChanges(), QStringLiteral("isOrganizing*2 progressMessage*2 statusMessage"));
    QCOMPARE(h.vm->currentPlan(), oldPlan);

    // A preview, though, stores the empty plan of the tidy folder.
    h.run(&FolderOrganizerViewModel::generatePreview);
    QVERIFY(h.vm->currentPlan() != oldPlan && h.vm->currentPlan()->moves.empty());
    QVERIFY(!h.vm->isShowingPreview());
}

void FolderOrganizerViewModelTest::scanErrorsAreShownAndKeepThePlan()
{
    TempDir dir;
    // Restored although it is gone: the first scan tells.
    Harness h(toQString(dir / "Mes Téléchargements"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Mes Téléchargements"));
    SignalRecorder recorder(h.vm.get());
    h.run(&FolderOrganizerViewModel::generatePreview);
    QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: "))
            && h.vm->statusMessage().contains(reason(ENOENT)),
        qPrintable(h.vm->statusMessage()));
    QCOMPARE(
        recorder.takeChanges(), QStringLiteral("isOrganizing*2 progressMessage*2 statusMessage"));
    QVERIFY(!h.vm->currentPlan());

    const fs::path folder = makeFolder(dir, { "a.txt" });
    h.run(&FolderOrganizerViewModel::generatePreview);
    h.vm->setIsShowingPreview(false);
    const std::shared_ptr<const MoveList> planBefore = h.vm->currentPlan();
    for (Action action :
        { &FolderOrganizerViewModel::generatePreview, &FolderOrganizerViewModel::organizeNow }) {
        h.fileSystem->failCall(Op::listFolder, 1, EACCES);
        h.run(action);
        QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: "))
                && h.vm->statusMessage().contains(reason(EACCES)),
            qPrintable(h.vm->statusMessage()));
        QCOMPARE(h.vm->currentPlan(), planBefore);
        QVERIFY(!h.vm->isShowingPreview());
        QVERIFY(!h.vm->canUndo());
        QVERIFY(h.vm->activityLog().isEmpty());
        QVERIFY(fs::exists(folder / "a.txt"));
    }
}

void FolderOrganizerViewModelTest::executionErrorKeepsTheRecordUndoFailureForgetsIt()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    Harness h;
    h.choose(folder);
    h.run(&FolderOrganizerViewModel::organizeNow);
    const QStringList log = h.vm->activityLog();

    writeFile(folder / "song.mp3");
    h.fileSystem->failCall(Op::makeFolder, 1, EACCES);
    SignalRecorder recorder(h.vm.get());
    h.run(&FolderOrganizerViewModel::organizeNow);
    QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: "))
            && h.vm->statusMessage().contains(reason(EACCES)),
        qPrintable(h.vm->statusMessage()));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("currentPlan isOrganizing*2 progressMessage*2 statusMessage"));
    QVERIFY(h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(), log);
    QVERIFY(fs::exists(folder / "song.mp3"));

    // The first run's record is still there. What cannot go back because something
    // new sits at its old name is counted apart and stays recorded for later.
    writeFile(folder / "b.txt", "newer");
    h.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(h.vm->statusMessage(),
        QStringLiteral("Undo incomplete — 1 file restored, 1 file could not be restored."));
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog isOrganizing*2 progressMessage*2 statusMessage"));
    QVERIFY(h.vm->canUndo());
    QCOMPARE(readFile(folder / "b.txt"), std::string("newer"));

    // Once the obstacle is gone, a second undo finishes the job.
    fs::remove(folder / "b.txt");
    h.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 1 file restored."));
    QVERIFY(!h.vm->canUndo());
    QCOMPARE(readFile(folder / "b.txt"), std::string("b.txt"));
}

// The journal is shared: Undo survives a restart, and the terminal front end and the
// app take back each other's runs.
void FolderOrganizerViewModelTest::undoSurvivesARestartAndIsSharedWithTheTerminal()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    {
        Harness first;
        first.choose(folder);
        first.run(&FolderOrganizerViewModel::organizeNow);
    }
    Harness restarted(toQString(folder));
    QVERIFY(restarted.vm->canUndo());
    restarted.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(restarted.vm->statusMessage(), QStringLiteral("Undo complete — 2 files restored."));

    // A run from the terminal, undone in the app...
    FileOrganizerService engine;
    const UndoService journal;
    QCOMPARE(journal.organize(engine, engine.buildPlan(folder)).moved, std::size_t(2));
    restarted.vm->chooseFolder(); // cancelled: nothing changes
    Harness app(toQString(folder));
    QVERIFY(app.vm->canUndo());
    app.run(&FolderOrganizerViewModel::undoLastOperation);
    QVERIFY(fs::exists(folder / "a.jpg"));
    // ...and a run from the app, undone from the terminal ("tidyra-cli undo").
    app.run(&FolderOrganizerViewModel::organizeNow);
    const UndoReport report = journal.undoLast(engine, std::nullopt);
    QCOMPARE(report.restored, std::size_t(2));
    QVERIFY(fs::exists(folder / "a.jpg") && fs::exists(folder / "b.txt"));
}

void FolderOrganizerViewModelTest::skippedMovesReachStandardOutput()
{
    TempDir dir;
    // A newline in a name must not forge a console line.
    const fs::path folder = makeFolder(dir, { "a.txt", "b.txt", "c\nd.txt" });
    Harness h;
    h.choose(folder);
    h.fileSystem->failCall(Op::renameNoReplace, 0, EACCES);
    QSignalSpy applied(h.vm.get(), &FolderOrganizerViewModel::planApplied);

    const QByteArray output = stdoutOf([&] { h.run(&FolderOrganizerViewModel::organizeNow); });

    for (const char *name : { "a.txt", "b.txt", "c\\nd.txt" }) {
        const QByteArray prefix = QByteArray("[Tidyra] Skipped ") + name + ": ";
        const auto at = output.indexOf(prefix);
        QVERIFY2(at >= 0, output.constData());
        const QByteArray line = output.mid(at, output.indexOf('\n', at) - at);
        QVERIFY2(line.contains(std::strerror(EACCES)), line.constData());
    }
    QVERIFY(!output.contains("c\nd.txt"));

    // Every move skipped still counts as a run, with nothing to undo; the window and
    // the app hear how many were skipped, and which and why.
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("0 files organized, 3 skipped."));
    QCOMPARE(h.vm->activityLog().first(),
        QStringLiteral("[10:42] Organized 0 files in Mes Téléchargements, 3 skipped"));
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.first(), (QList<QVariant> { 0, 3 }));
    const QStringList skipped = h.vm->lastSkipped();
    QCOMPARE(skipped.size(), 3);
    const QStringList forA = skipped.filter(QRegularExpression(QStringLiteral("^a\\.txt: ")));
    QCOMPARE(forA.size(), 1);
    QVERIFY2(forA.first().contains(reason(EACCES)), qPrintable(forA.first()));
    QVERIFY(!h.vm->canUndo());
    QVERIFY(fs::exists(folder / "a.txt"));
    h.choose(folder);
    QVERIFY(h.vm->lastSkipped().isEmpty());
}

void FolderOrganizerViewModelTest::aRunGoesOnInTheBackgroundUntilCancelled()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, {}, "Big");
    // More than one batch of the journal (4096 moves), so progress is told mid-run.
    constexpr int fileCount = 4100;
    for (int i = 0; i < fileCount; ++i)
        writeFile(folder / ("f" + std::to_string(i) + ".txt"));
    Harness h;
    h.choose(folder);
    // A slow disk: the first move of the second batch waits for the test.
    Gate gate;
    h.fileSystem->beforeCall(Op::renameNoReplace, 4097, [&] { gate.hold(); });

    h.vm->organizeNow();
    QVERIFY(h.vm->isOrganizing());
    QCOMPARE(h.vm->progressMessage(), QStringLiteral("Organizing…"));
    QVERIFY(gate.waitUntilHeld());
    QTRY_COMPARE(h.vm->progressMessage(), QStringLiteral("Organizing… 4096 of 4100"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Big"));
    // One run at a time: nothing else starts meanwhile; a folder can still be chosen.
    SignalRecorder recorder(h.vm.get());
    for (Action action : { &FolderOrganizerViewModel::generatePreview,
             &FolderOrganizerViewModel::organizeNow, &FolderOrganizerViewModel::applyCurrentPlan,
             &FolderOrganizerViewModel::undoLastOperation })
        (h.vm.get()->*action)();
    QCOMPARE(recorder.takeChanges(), QString());

    // The move under way ends; no other starts.
    h.vm->cancelRun();
    QCOMPARE(h.vm->progressMessage(), QStringLiteral("Stopping…"));
    gate.open();
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(),
        QStringLiteral("Cancelled — 4097 files organized before the cancel."));
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 4097 files in Big, cancelled") }));
    QVERIFY(h.vm->progressMessage().isEmpty());
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog canUndo currentPlan isOrganizing progressMessage*2 "
                       "statusMessage"));
    QCOMPARE(filesIn(folder), 3);

    // What moved before the cancel is recorded like any run.
    h.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 4097 files restored."));
    QCOMPARE(filesIn(folder), fileCount);
}

// Quitting destroys the view model: the run stops after its current move, and what it
// moved can be undone after the restart.
void FolderOrganizerViewModelTest::quittingDuringARunKeepsItsRecord()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, {}, "Slow");
    constexpr int fileCount = 80;
    for (int i = 0; i < fileCount; ++i)
        writeFile(folder / ("f" + std::to_string(i) + ".txt"));
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
    QVERIFY2(moves < fileCount / 2, "the run went on after its view model was gone");
    QCOMPARE(filesIn(folder), fileCount - moves);

    Harness restarted(toQString(folder));
    QVERIFY(restarted.vm->canUndo());
    restarted.run(&FolderOrganizerViewModel::undoLastOperation);
    QCOMPARE(restarted.vm->statusMessage(),
        QStringLiteral("Undo complete — %1 files restored.").arg(int(moves)));
    QCOMPARE(filesIn(folder), fileCount);
}

void FolderOrganizerViewModelTest::logKeepsNewestFiftyEntries()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.txt" }, "Inbox"));

    // Organize and undo in turn; each run adds one entry, stamped with its number.
    for (int entry = 1; entry <= 51; ++entry) {
        h.clock->setTimeOfDay(QString::number(entry));
        h.run(entry % 2 ? &FolderOrganizerViewModel::organizeNow
                        : &FolderOrganizerViewModel::undoLastOperation);
        QCOMPARE(h.vm->activityLog().size(), std::min(entry, 50));
        QCOMPARE(h.vm->activityLog().front(),
            QStringLiteral("[%1] ").arg(entry)
                + (entry % 2 ? QStringLiteral("Organized 1 file in Inbox")
                             : QStringLiteral("Undo complete — 1 file restored.")));
    }
    QCOMPARE(h.vm->activityLog().back(), QStringLiteral("[2] Undo complete — 1 file restored."));
}

void FolderOrganizerViewModelTest::settingsFileKeepsTheFolder()
{
    QTemporaryDir configHome;
    // Stands in for ~/.config, so the user's own settings are never touched.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    const QString key = QStringLiteral("lastFolderPath");
    const QString folder = QStringLiteral("/home/ana/Mes Téléchargements");
    QVERIFY(QSettingsStore().stringValue(key).isNull());
    QSettingsStore().setStringValue(key, folder);
    QVERIFY(QFile::exists(configHome.filePath(QStringLiteral("Tidyra/Tidyra.conf"))));
    QCOMPARE(QSettingsStore().stringValue(key), folder);
}

QTEST_GUILESS_MAIN(FolderOrganizerViewModelTest)
#include "tst_FolderOrganizerViewModel.moc"
