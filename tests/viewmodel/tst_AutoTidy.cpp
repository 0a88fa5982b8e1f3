#include "ErrorTexts.h"
#include "Gate.h"
#include "ViewModelHarness.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

namespace {

// Marks each text of ErrorTexts asked for, so a test sees that tr() was reached.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "ErrorTexts") == 0 ? QStringLiteral("<%1>").arg(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// "Tidy Automatically": the watch on its own, then through the view model: the switch,
// the watch on the selected folder, and the automatic runs it starts.
class AutoTidyTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test gets its own journal place, never the user's.
    void init()
    {
        m_state = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", m_state->path().toUtf8());
    }
    void settledNamesAreToldOnceAndIdleNeedsNoTimer();
    void realFolderSignalsDroppedFilesOnceSettled();
    void tidySwitchIsRememberedAndMovesWithTheFolder();
    void automaticRunsWaitTheirTurnAndSayWhatTheyDid();

private:
    std::unique_ptr<QTemporaryDir> m_state;
};

// Which names settle when is the tracker's; the watch tells them once and, with nothing
// waiting, runs no timer.
void AutoTidyTest::settledNamesAreToldOnceAndIdleNeedsNoTimer()
{
    using Names = std::vector<std::string>;
    TempDir dir;
    writeFile(dir / "a.txt");
    FakeFolderWatch fake;
    const std::unique_ptr<FolderWatch> watch(fake.watch());
    QSignalSpy settled(watch.get(), &FolderWatch::filesSettled);
    const auto *timer = watch->findChild<QTimer *>();
    QVERIFY(timer && !timer->isActive());
    watch->watch(dir.path());
    QVERIFY(timer->isActive());
    fake.advance(std::chrono::seconds(60));
    QCOMPARE(settled.count(), 1);
    QVERIFY(!timer->isActive());
    // Handed back by a run: settles again a settle time later.
    watch->retry({ "a.txt" });
    QVERIFY(timer->isActive());
    fake.advance(std::chrono::seconds(60));
    QCOMPARE(settled.count(), 2);
    QCOMPARE(settled.at(1).at(0).value<Names>(), Names { "a.txt" });
    watch->stop();
    QVERIFY(!watch->isWatching() && !timer->isActive());
}

// Real inotify and real time: the notifier and the timer wired up as they are in use.
void AutoTidyTest::realFolderSignalsDroppedFilesOnceSettled()
{
    TempDir dir;
    FolderWatch watch(std::chrono::milliseconds(300));
    QSignalSpy settled(&watch, &FolderWatch::filesSettled);
    QSignalSpy failed(&watch, &FolderWatch::watchFailed);
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    watch.watch(dir / "missing");
    QVERIFY(failed.count() == 1 && !watch.isWatching());
    // In the user's language, the reason too, as the failures of the watch itself.
    QCOMPARE(failed.at(0).at(0).toString(),
        QStringLiteral("<cannot open folder \"%1\": <No such file or directory>>")
            .arg(QString::fromStdString((dir / "missing").native())));
    // A message another wraps is translated in its turn.
    const ErrorMessage gone(ErrorKind::watchedFolderGone, { "/x" });
    QCOMPARE(ErrorTexts::translate(ErrorMessage(ErrorKind::movedOrRenamed, {}, 0, { gone })),
        QStringLiteral("<<Cannot watch the folder \"/x\": it was removed, moved or its disk "
                       "unmounted; watching stopped>; if the folder was moved or renamed, undo "
                       "it by its new path: tidyra-cli undo FOLDER>"));
    QCoreApplication::removeTranslator(&marking);
    watch.watch(dir.path());
    writeFile(dir / "dropped.txt", "content");
    QVERIFY(settled.wait(10000));
    QCOMPARE(settled.at(0).at(0).value<std::vector<std::string>>(),
        std::vector<std::string> { "dropped.txt" });
}

void AutoTidyTest::tidySwitchIsRememberedAndMovesWithTheFolder()
{
    TempDir dir;
    const fs::path inbox = makeFolder(dir, {}, "Inbox"), other = makeFolder(dir, {}, "Other");
    Harness h;
    // Off at first; with no folder it is kept but watches nothing; then it follows the choice.
    QVERIFY(!h.vm->tidiesAutomatically());
    h.vm->setTidiesAutomatically(true);
    h.choose(inbox);
    h.choose(other);
    QCOMPARE(h.watch.watched, (std::vector<fs::path> { inbox, other }));
    // Names that settled in one folder, waiting for the preview to close, are not the
    // next folder's to tidy, though it has files of the same names.
    writeSettled(inbox / "a.jpg");
    writeSettled(other / "a.jpg");
    h.choose(inbox);
    h.vm->setIsShowingPreview(true);
    h.watch.advance(std::chrono::seconds(60));
    h.choose(other);
    h.vm->setIsShowingPreview(false);
    QCoreApplication::processEvents();
    QVERIFY(waitForRun(*h.vm) && fs::exists(other / "a.jpg"));

    // A restart over the same settings watches the folder again, with the settle time set.
    auto *settings = new MemorySettingsStore(toQString(other));
    settings->setStringValue("tidyAutomatically", h.settings->stringValue("tidyAutomatically"));
    settings->setStringValue("autoTidySettleSeconds", "5");
    FakeFolderWatch again;
    VM restarted(std::make_unique<QueuedFolderChooser>(h.answers),
        std::unique_ptr<SettingsStore>(settings), std::make_unique<FixedClock>("10:42"), {},
        nullptr, again.watch());
    QCOMPARE(again.watched, std::vector<fs::path> { other });
    QCOMPARE(again.folderWatch()->settle(), std::chrono::seconds(5));
    // A settle time of no whole seconds from 1 to a day is the default's.
    for (const char *stored : { "0", "-5", "86401", "5s" }) {
        MemorySettingsStore odd;
        odd.setStringValue("autoTidySettleSeconds", stored);
        FakeFolderWatch watch;
        QCOMPARE(AutoTidy(odd, watch.watch()).settleSeconds(), 60);
    }
    restarted.setTidiesAutomatically(false);
    QVERIFY(!again.folderWatch()->isWatching());
    QCOMPARE(settings->stringValue("tidyAutomatically"), QStringLiteral("false"));

    // A folder that cannot be watched says so, and the switch stays on.
    h.watch.failure = "inotify watch limit reached";
    h.choose(inbox);
    QVERIFY(h.vm->isStatusError() && h.vm->tidiesAutomatically());
    QCOMPARE(h.vm->statusMessage(), QStringLiteral("Error: inotify watch limit reached"));
}

// Settled files go to a run of their own once the user is done: after a manual run, once
// the preview is closed. What an undo puts back stays put until it changes again.
void AutoTidyTest::automaticRunsWaitTheirTurnAndSayWhatTheyDid()
{
    using namespace std::chrono_literals;
    TempDir dir;
    const fs::path folder = makeFolder(dir, {}, "Inbox");
    writeSettled(folder / "a.jpg");
    writeSettled(folder / "b.pdf");
    Harness h;
    h.choose(folder);
    QSignalSpy applied(h.vm.get(), &VM::planApplied); // what the desktop is told of
    QSignalSpy runs(h.vm.get(), &VM::isOrganizingChanged);
    h.vm->setTidiesAutomatically(true);
    h.watch.advance(60s);
    const QString first = QStringLiteral("Organized 2 files in Inbox automatically");
    QTRY_COMPARE(h.vm->activityLog(), QStringList { "[10:42] " + first });
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->statusMessage(), first);
    QVERIFY(h.vm->canUndo() && applied.isEmpty() && filesIn(folder) == 0);

    writeFile(folder / "c.png");
    Gate gate;
    h.fileSystem->beforeCall(Op::renameNoReplace, 1, gate.holder());
    runs.clear();
    h.vm->organizeNow();
    QVERIFY(gate.waitUntilHeld());
    writeSettled(folder / "d.txt");
    h.watch.change("d.txt");
    h.watch.advance(60s);
    QCoreApplication::processEvents();
    QCOMPARE(runs.size(), 1);
    gate.open();
    QTRY_COMPARE(runs.size(), 4); // the manual run ends before the automatic one begins
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->activityLog().mid(0, 2),
        QStringList({ QStringLiteral("[10:42] Organized 1 file in Inbox automatically"),
            QStringLiteral("[10:42] Organized 1 file in Inbox") }));
    QCOMPARE(applied.size(), 1);

    // A name that is gone by its run makes a run that moves nothing and says nothing.
    writeSettled(folder / "e.mp3");
    h.watch.change("e.mp3");
    h.watch.change("gone.txt");
    h.run(&VM::generatePreview);
    h.watch.advance(60s);
    QCoreApplication::processEvents();
    QVERIFY(!h.vm->isOrganizing());
    h.vm->setIsShowingPreview(false);
    QTRY_COMPARE(h.vm->activityLog().size(), 4);
    QVERIFY(waitForRun(*h.vm) && !fs::exists(folder / "e.mp3"));
    runs.clear();
    h.watch.change("gone.txt");
    h.watch.advance(60s);
    QTRY_COMPARE(runs.size(), 2);
    QCOMPARE(h.vm->activityLog().size(), 4);

    h.run(&VM::undoLastOperation);
    runs.clear();
    for (int look = 0; look < 2; ++look) {
        if (look == 1)
            writeSettled(folder / "e.mp3"); // changed by the user: a new file to tidy
        h.watch.change("e.mp3");
        h.watch.advance(60s);
        QCoreApplication::processEvents();
        QCOMPARE(runs.isEmpty(), look == 0);
    }
    QVERIFY(waitForRun(*h.vm) && !fs::exists(folder / "e.mp3"));

    // A file that can never move ("Fonts" is a link) is told once, not at each switch-on.
    fs::create_directory_symlink(makeFolder(dir, {}, "Elsewhere"), folder / "Fonts");
    writeSettled(folder / "f.ttf");
    h.watch.change("f.ttf");
    h.watch.advance(60s);
    QTRY_COMPARE(h.vm->activityLog().front(),
        QStringLiteral("[10:42] Organized 0 files in Inbox automatically, 1 skipped"));
    QVERIFY(waitForRun(*h.vm));
    QTRY_VERIFY(h.vm->runDetails());
    const QStringList log = h.vm->activityLog();
    runs.clear();
    h.vm->setTidiesAutomatically(false);
    h.vm->setTidiesAutomatically(true);
    h.watch.advance(60s);
    QTRY_COMPARE(runs.size(), 2);
    QVERIFY(waitForRun(*h.vm));
    QCOMPARE(h.vm->activityLog(), log);
}

QTEST_GUILESS_MAIN(AutoTidyTest)
#include "tst_AutoTidy.moc"
