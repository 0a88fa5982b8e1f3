#include "FaultInjectingFileSystem.h"
#include "FixedClock.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "QueuedFolderChooser.h"
#include "SignalRecorder.h"
#include "StdoutCapture.h"
#include "TempDir.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;
using Op = FaultInjectingFileSystem::Operation;

namespace {

const QString initialStatus = QStringLiteral("Select a folder to get started.");
const QString tidyStatus = QStringLiteral("Nothing to organize — folder is already tidy.");

QString toQString(const fs::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

// What differs on disk, readable in a failed comparison; empty when nothing does.
QString changesSince(const TreeSnapshot &before, const fs::path &folder)
{
    return QString::fromStdString(describeDifference(before, snapshotTree(folder)));
}

// A view model over fake ports and a fault-injecting wrapper around the real disk.
// The raw pointers stay valid as long as the view model lives.
struct Harness
{
    explicit Harness(const QString &storedFolder = QString())
    {
        auto chooserPort = std::make_unique<QueuedFolderChooser>();
        auto settingsPort = std::make_unique<MemorySettingsStore>();
        auto clockPort = std::make_unique<FixedClock>();
        chooser = chooserPort.get();
        settings = settingsPort.get();
        clock = clockPort.get();
        if (!storedFolder.isNull())
            settings->setStringValue(QStringLiteral("lastFolderPath"), storedFolder);
        fileSystem = std::make_shared<FaultInjectingFileSystem>();
        vm = std::make_unique<FolderOrganizerViewModel>(
            std::move(chooserPort), std::move(settingsPort), std::move(clockPort), fileSystem);
    }

    // Chooses `folder` through the folder chooser, as the user would.
    void choose(const fs::path &folder)
    {
        chooser->enqueue(toQString(folder));
        vm->chooseFolder();
    }

    QueuedFolderChooser *chooser = nullptr;
    MemorySettingsStore *settings = nullptr;
    FixedClock *clock = nullptr;
    std::shared_ptr<FaultInjectingFileSystem> fileSystem;
    std::unique_ptr<FolderOrganizerViewModel> vm;
};

// A folder with a name that needs more than ASCII, holding `files` (empty files).
fs::path makeFolder(const TempDir &dir, std::initializer_list<const char *> files,
    const char *name = "Mes Téléchargements")
{
    const fs::path folder = dir / name;
    fs::create_directories(folder);
    for (const char *file : files)
        writeFile(folder / file, file);
    return folder;
}

} // namespace

class FolderOrganizerViewModelTest : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyWithoutStoredFolder_data();
    void startsEmptyWithoutStoredFolder();
    void restoresStoredFolder_data();
    void restoresStoredFolder();
    void restoredFolderThatIsGoneFailsOnScan();

    void typicalCourseFromChoiceToUndo();
    void organizeNowWithOneFileUsesSingularTexts();
    void signalsFireOnlyOnRealChanges();

    void choosingAFolderStartsAFreshLogAndUndoRecord_data();
    void choosingAFolderStartsAFreshLogAndUndoRecord();
    void cancelledChooserChangesNothing();
    void actionsWithoutFolderOrPlanChangeNothing();

    void tidyFolderShowsNothingToOrganize();
    void scanErrorIsShownAndKeepsThePlan();
    void executionErrorKeepsEarlierUndoRecord();
    void undoFailureForgetsTheRecord();
    void skippedMovesReachStandardOutput();
    void logKeepsNewestFiftyEntries();
};

void FolderOrganizerViewModelTest::startsEmptyWithoutStoredFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("nothing stored") << QString();
    QTest::newRow("empty string stored") << QStringLiteral("");
}

void FolderOrganizerViewModelTest::startsEmptyWithoutStoredFolder()
{
    QFETCH(QString, stored);
    Harness h(stored);
    QVERIFY(h.vm->selectedFolderURL().isEmpty());
    QCOMPARE(h.vm->selectedFolderName(), QString());
    QCOMPARE(h.vm->selectedFolderPath(), QString());
    QCOMPARE(h.vm->statusMessage(), initialStatus);
    QVERIFY(!h.vm->currentPlan().has_value());
    QVERIFY(!h.vm->isShowingPreview());
    QVERIFY(!h.vm->canUndo());
    QVERIFY(!h.vm->isOrganizing());
    QVERIFY(h.vm->activityLog().isEmpty());
    QVERIFY(h.vm->undoSvc().lastOperations().empty());
}

void FolderOrganizerViewModelTest::restoresStoredFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("/home/ana/Downloads") << QStringLiteral("Downloads");
    QTest::newRow("trailing slash")
        << QStringLiteral("/home/ana/Downloads/") << QStringLiteral("Downloads");
    QTest::newRow("non-ASCII, spaces")
        << QStringLiteral("/home/ana/Mes Téléchargements") << QStringLiteral("Mes Téléchargements");
}

void FolderOrganizerViewModelTest::restoresStoredFolder()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    Harness h(stored);
    QCOMPARE(h.vm->selectedFolderURL(), QUrl::fromLocalFile(stored));
    QCOMPARE(h.vm->selectedFolderName(), name);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — ") + name);
    QVERIFY(!h.vm->canUndo());
    QVERIFY(h.vm->activityLog().isEmpty());
}

void FolderOrganizerViewModelTest::restoredFolderThatIsGoneFailsOnScan()
{
    TempDir dir;
    const fs::path gone = dir / "Gone";
    Harness h(toQString(gone));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Gone"));

    SignalRecorder recorder(h.vm.get());
    h.vm->generatePreview();
    QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: ")),
        qPrintable(h.vm->statusMessage()));
    QVERIFY(h.vm->statusMessage().contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
    QCOMPARE(recorder.takeChanges(), QStringLiteral("statusMessage"));
    QVERIFY(!h.vm->currentPlan().has_value());
}

void FolderOrganizerViewModelTest::typicalCourseFromChoiceToUndo()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.png", "notes.txt" });
    const TreeSnapshot before = snapshotTree(folder);
    Harness h;

    h.choose(folder);
    QCOMPARE(h.vm->selectedFolderURL(), QUrl::fromLocalFile(toQString(folder)));
    QCOMPARE(h.vm->selectedFolderPath(), toQString(folder));
    QCOMPARE(h.settings->stringValue(QStringLiteral("lastFolderPath")), toQString(folder));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Mes Téléchargements"));
    QVERIFY(!h.vm->canUndo());

    h.vm->generatePreview();
    QVERIFY(h.vm->currentPlan().has_value());
    QCOMPARE(h.vm->currentPlan()->folderURL, folder);
    QCOMPARE(h.vm->currentPlan()->operations.size(), std::size_t(3));
    QVERIFY(h.vm->isShowingPreview());
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — Mes Téléchargements"));
    QCOMPARE(changesSince(before, folder), QString());

    // isOrganizing is up exactly while the files move.
    QList<bool> organizingDuringMoves;
    h.fileSystem->beforeCall(
        Op::renameNoReplace, 0, [&] { organizingDuringMoves << h.vm->isOrganizing(); });
    const OrganizationPlan plan = *h.vm->currentPlan();
    h.vm->applyCurrentPlan();
    QCOMPARE(organizingDuringMoves, QList<bool>({ true, true, true }));
    QVERIFY(!h.vm->isOrganizing());
    QVERIFY(!h.vm->isShowingPreview());
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("3 files organized."));
    QVERIFY(h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 3 files in Mes Téléchargements") }));
    QCOMPARE(h.vm->undoSvc().lastOperations().size(), std::size_t(3));
    for (const FileMoveOperation &move : plan.operations) {
        QVERIFY(!fs::exists(move.sourceURL));
        QVERIFY(fs::exists(move.destinationURL));
    }
    QVERIFY(h.vm->currentPlan().has_value());
    QCOMPARE(h.vm->currentPlan()->operations.front().id, plan.operations.front().id);

    h.clock->setTime(QStringLiteral("10:43"));
    h.vm->undoLastOperation();
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 3 files restored."));
    QVERIFY(!h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:43] Undo complete — 3 files restored."),
            QStringLiteral("[10:42] Organized 3 files in Mes Téléchargements") }));
    QVERIFY(h.vm->undoSvc().lastOperations().empty());
    for (const FileMoveOperation &move : plan.operations) {
        QVERIFY(fs::exists(move.sourceURL));
        QVERIFY(!fs::exists(move.destinationURL));
    }
}

void FolderOrganizerViewModelTest::organizeNowWithOneFileUsesSingularTexts()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "report.pdf" }, "Inbox"));
    h.vm->setIsShowingPreview(true);
    h.vm->organizeNow();
    // Straight to applied: the plan is stored and recorded, the sheet left alone.
    QVERIFY(h.vm->isShowingPreview());
    QCOMPARE(h.vm->currentPlan()->operations.size(), std::size_t(1));
    QCOMPARE(
        h.vm->undoSvc().lastOperations().front().id, h.vm->currentPlan()->operations.front().id);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("1 file organized."));
    QCOMPARE(h.vm->activityLog().value(0), QStringLiteral("[10:42] Organized 1 file in Inbox"));
    h.vm->undoLastOperation();
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 1 file restored."));
    QCOMPARE(
        h.vm->activityLog().value(0), QStringLiteral("[10:42] Undo complete — 1 file restored."));
}

void FolderOrganizerViewModelTest::signalsFireOnlyOnRealChanges()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    Harness h;
    SignalRecorder recorder(h.vm.get());

    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("selectedFolderURL statusMessage"));

    h.vm->generatePreview();
    QCOMPARE(recorder.takeChanges(), QStringLiteral("currentPlan isShowingPreview"));
    // A plan is stored again even when it looks the same, and says so each time.
    h.vm->generatePreview();
    QCOMPARE(recorder.takeChanges(), QStringLiteral("currentPlan"));

    h.vm->setIsShowingPreview(true);
    QCOMPARE(recorder.takeChanges(), QString());
    h.vm->setIsShowingPreview(false);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("isShowingPreview"));
    h.vm->setIsShowingPreview(true);
    recorder.takeChanges();

    h.vm->applyCurrentPlan();
    QCOMPARE(recorder.takeChanges(),
        QStringLiteral("activityLog canUndo isOrganizing*2 isShowingPreview statusMessage"));

    // Organizing two fresh files: canUndo and the status text stay the same.
    writeFile(folder / "c.mp3");
    writeFile(folder / "d.mp3");
    h.vm->organizeNow();
    QCOMPARE(recorder.takeChanges(), QStringLiteral("activityLog currentPlan isOrganizing*2"));
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("2 files organized."));

    // The same folder again: the URL is unchanged, the rest starts afresh.
    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("activityLog canUndo statusMessage"));
    h.choose(folder);
    QCOMPARE(recorder.takeChanges(), QString());
}

void FolderOrganizerViewModelTest::choosingAFolderStartsAFreshLogAndUndoRecord_data()
{
    QTest::addColumn<bool>("sameFolder");
    QTest::newRow("same folder again") << true;
    QTest::newRow("another folder") << false;
}

void FolderOrganizerViewModelTest::choosingAFolderStartsAFreshLogAndUndoRecord()
{
    QFETCH(bool, sameFolder);
    TempDir dir;
    const fs::path first = makeFolder(dir, { "a.jpg", "b.txt" }, "First");
    const fs::path next = sameFolder ? first : makeFolder(dir, {}, "Second");
    Harness h;
    h.choose(first);
    h.vm->generatePreview();
    h.vm->applyCurrentPlan();
    h.vm->setIsShowingPreview(true);
    const OrganizationPlan plan = *h.vm->currentPlan();

    h.choose(next);
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — ") + toQString(next.filename()));
    QCOMPARE(h.settings->stringValue(QStringLiteral("lastFolderPath")), toQString(next));
    QVERIFY(!h.vm->canUndo());
    QVERIFY(h.vm->undoSvc().lastOperations().empty());
    QVERIFY(h.vm->activityLog().isEmpty());
    // The plan and the sheet's flag are not the chooser's business.
    QCOMPARE(h.vm->currentPlan()->operations.front().id, plan.operations.front().id);
    QVERIFY(h.vm->isShowingPreview());

    // The earlier run can no longer be undone from here.
    h.vm->undoLastOperation();
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Ready — ") + toQString(next.filename()));
    for (const FileMoveOperation &move : plan.operations)
        QVERIFY(fs::exists(move.destinationURL));
}

void FolderOrganizerViewModelTest::cancelledChooserChangesNothing()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.txt" }));
    h.vm->organizeNow();
    SignalRecorder recorder(h.vm.get());
    const int writes = h.settings->writes();

    h.chooser->enqueue(std::nullopt);
    h.vm->chooseFolder();
    QCOMPARE(h.chooser->requests(), 2);
    QCOMPARE(recorder.takeChanges(), QString());
    QCOMPARE(h.settings->writes(), writes);
    QVERIFY(h.vm->canUndo());
    QCOMPARE(h.vm->undoSvc().lastOperations().size(), std::size_t(1));
    QCOMPARE(h.vm->activityLog().size(), 1);
}

void FolderOrganizerViewModelTest::actionsWithoutFolderOrPlanChangeNothing()
{
    Harness h;
    h.vm->setIsShowingPreview(true);
    SignalRecorder recorder(h.vm.get());

    h.vm->generatePreview();
    h.vm->organizeNow();
    h.vm->applyCurrentPlan();
    h.vm->undoLastOperation();

    QCOMPARE(recorder.takeChanges(), QString());
    QCOMPARE(h.vm->statusMessage(), initialStatus);
    QVERIFY(h.vm->isShowingPreview());
    QVERIFY(!h.vm->currentPlan().has_value());
    QCOMPARE(h.fileSystem->totalCalls(), 0);
}

void FolderOrganizerViewModelTest::tidyFolderShowsNothingToOrganize()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.txt" });
    Harness h;
    h.choose(folder);
    h.vm->generatePreview();
    const Uuid oldPlanId = h.vm->currentPlan()->operations.front().id;
    h.vm->setIsShowingPreview(false);
    fs::remove(folder / "a.txt");
    fs::create_directory(folder / "sub");
    writeFile(folder / ".hidden.jpg");

    SignalRecorder recorder(h.vm.get());
    h.vm->organizeNow();
    QCOMPARE(h.vm->statusMessage(), tidyStatus);
    QCOMPARE(recorder.takeChanges(), QStringLiteral("statusMessage"));
    QCOMPARE(h.vm->currentPlan()->operations.front().id, oldPlanId);

    // The preview stores the empty plan, but raises no sheet.
    h.vm->generatePreview();
    QCOMPARE(recorder.takeChanges(), QStringLiteral("currentPlan"));
    QVERIFY(h.vm->currentPlan().has_value());
    QVERIFY(h.vm->currentPlan()->operations.empty());
    QVERIFY(!h.vm->isShowingPreview());
    QCOMPARE(h.vm->statusMessage(), tidyStatus);

    // Applying an empty plan is still a run: nothing moved, and it says so.
    h.vm->applyCurrentPlan();
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("0 files organized."));
    QVERIFY(h.vm->canUndo());
}

void FolderOrganizerViewModelTest::scanErrorIsShownAndKeepsThePlan()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.txt" }));
    h.vm->generatePreview();
    h.vm->setIsShowingPreview(false);
    const Uuid planId = h.vm->currentPlan()->operations.front().id;
    const QString reason = QString::fromLocal8Bit(std::strerror(EACCES));

    for (auto action :
        { &FolderOrganizerViewModel::generatePreview, &FolderOrganizerViewModel::organizeNow }) {
        h.fileSystem->failCall(Op::listFolder, 1, EACCES);
        (h.vm.get()->*action)();
        QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: ")),
            qPrintable(h.vm->statusMessage()));
        QVERIFY2(h.vm->statusMessage().contains(reason), qPrintable(h.vm->statusMessage()));
        QCOMPARE(h.vm->currentPlan()->operations.front().id, planId);
        QVERIFY(!h.vm->isShowingPreview());
        QVERIFY(!h.vm->canUndo());
        QVERIFY(h.vm->activityLog().isEmpty());
        QVERIFY(fs::exists(dir / "Mes Téléchargements" / "a.txt"));
    }
}

void FolderOrganizerViewModelTest::executionErrorKeepsEarlierUndoRecord()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    const TreeSnapshot before = snapshotTree(folder);
    Harness h;
    h.choose(folder);
    h.vm->organizeNow();
    const QStringList log = h.vm->activityLog();
    const std::size_t recorded = h.vm->undoSvc().lastOperations().size();
    QCOMPARE(recorded, std::size_t(2));

    writeFile(folder / "song.mp3");
    h.fileSystem->failCall(Op::makeFolder, 1, EACCES);
    SignalRecorder recorder(h.vm.get());
    h.vm->organizeNow();
    QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Error: ")),
        qPrintable(h.vm->statusMessage()));
    QVERIFY(h.vm->statusMessage().contains(QString::fromLocal8Bit(std::strerror(EACCES))));
    QCOMPARE(recorder.takeChanges(), QStringLiteral("currentPlan isOrganizing*2 statusMessage"));
    QVERIFY(!h.vm->isOrganizing());
    QVERIFY(h.vm->canUndo());
    QCOMPARE(h.vm->activityLog(), log);
    QCOMPARE(h.vm->undoSvc().lastOperations().size(), recorded);
    QVERIFY(fs::exists(folder / "song.mp3"));

    // The first run can still be undone.
    h.vm->undoLastOperation();
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Undo complete — 2 files restored."));
    fs::remove(folder / "song.mp3");
    QCOMPARE(changesSince(before, folder), QString());
}

void FolderOrganizerViewModelTest::undoFailureForgetsTheRecord()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.jpg", "b.txt" });
    Harness h;
    h.choose(folder);
    h.vm->organizeNow();
    const QStringList log = h.vm->activityLog();
    // Something new now sits where a file came from, so that move back must fail.
    writeFile(folder / "a.jpg", "newer");
    writeFile(folder / "b.txt", "newer");

    SignalRecorder recorder(h.vm.get());
    h.vm->undoLastOperation();
    QVERIFY2(h.vm->statusMessage().startsWith(QStringLiteral("Undo failed: ")),
        qPrintable(h.vm->statusMessage()));
    QVERIFY(h.vm->statusMessage().size() > QStringLiteral("Undo failed: ").size());
    QCOMPARE(recorder.takeChanges(), QStringLiteral("statusMessage"));
    QVERIFY(h.vm->canUndo());
    QVERIFY(h.vm->undoSvc().lastOperations().empty());
    QCOMPARE(h.vm->activityLog(), log);
    QCOMPARE(readFile(folder / "a.jpg"), std::string("newer"));

    // A second request finds nothing to undo and changes nothing.
    h.vm->undoLastOperation();
    QCOMPARE(recorder.takeChanges(), QString());
    QVERIFY(h.vm->canUndo());
}

void FolderOrganizerViewModelTest::skippedMovesReachStandardOutput()
{
    TempDir dir;
    const fs::path folder = makeFolder(dir, { "a.txt", "b.txt" });
    Harness h;
    h.choose(folder);
    h.fileSystem->failCall(Op::renameNoReplace, 0, EACCES);

    StdoutCapture capture;
    h.vm->organizeNow();
    const QByteArray output = capture.finish();

    const QByteArray reason = QByteArray(std::strerror(EACCES));
    for (const char *name : { "a.txt", "b.txt" }) {
        const QByteArray prefix = QByteArray("[Tidyra] Skipped ") + name + ": ";
        const auto at = output.indexOf(prefix);
        QVERIFY2(at >= 0, output.constData());
        const QByteArray line = output.mid(at, output.indexOf('\n', at) - at);
        QVERIFY2(line.contains(reason), line.constData());
    }

    // Every move skipped still counts as a run, with nothing to undo.
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("0 files organized."));
    QCOMPARE(h.vm->activityLog(),
        QStringList({ QStringLiteral("[10:42] Organized 0 files in Mes Téléchargements") }));
    QVERIFY(h.vm->canUndo());
    QVERIFY(h.vm->undoSvc().lastOperations().empty());
    SignalRecorder recorder(h.vm.get());
    h.vm->undoLastOperation();
    QCOMPARE(recorder.takeChanges(), QString());
    QVERIFY(fs::exists(folder / "a.txt"));
}

void FolderOrganizerViewModelTest::logKeepsNewestFiftyEntries()
{
    TempDir dir;
    Harness h;
    h.choose(makeFolder(dir, { "a.txt" }));

    // Organize and undo in turn; each run adds one entry, stamped with its number.
    for (int entry = 1; entry <= 51; ++entry) {
        h.clock->setTime(QString::number(entry));
        if (entry % 2 == 1)
            h.vm->organizeNow();
        else
            h.vm->undoLastOperation();
        QCOMPARE(h.vm->activityLog().size(), std::min(entry, 50));
        QCOMPARE(h.vm->activityLog().front().section(QLatin1Char(']'), 0, 0),
            QStringLiteral("[") + QString::number(entry));
    }
    QCOMPARE(h.vm->activityLog().back(), QStringLiteral("[2] Undo complete — 1 file restored."));
}

QTEST_GUILESS_MAIN(FolderOrganizerViewModelTest)
#include "tst_FolderOrganizerViewModel.moc"
