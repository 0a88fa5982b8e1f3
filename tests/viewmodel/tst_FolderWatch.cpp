#include "ErrorTexts.h"
#include "FolderWatch.h"
#include "TempDir.h"
#include "services/watching/ChangeSource.h"
#include "services/watching/WatchClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

namespace {

class FakeClock : public WatchClock
{
public:
    TimePoint now() const override { return time; }
    TimePoint time {};
};

class FakeChangeSource : public ChangeSource
{
public:
    explicit FakeChangeSource(std::shared_ptr<Names> pending)
        : m_pending(std::move(pending))
    { }
    int readyHandle() const override { return -1; }
    void takeChanges(std::vector<Change> &changes, bool &) override
    {
        for (std::string &name : std::exchange(*m_pending, {}))
            changes.push_back({ std::move(name) });
    }

private:
    std::shared_ptr<Names> m_pending;
};

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

Names settledNames(const QSignalSpy &spy, int emission)
{
    Names names = spy.at(emission).at(0).value<Names>();
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class FolderWatchTest : public QObject
{
    Q_OBJECT

private slots:
    void settledFilesAreSignalledOnceAndIdleNeedsNoTimer();
    void realFolderSignalsDroppedFilesOnceSettled();
};

void FolderWatchTest::settledFilesAreSignalledOnceAndIdleNeedsNoTimer()
{
    TempDir dir;
    writeFile(dir / "a.txt");
    writeFile(dir / "b.txt");
    auto clock = std::make_shared<FakeClock>();
    auto pending = std::make_shared<Names>();
    FolderWatch watch(10s, clock,
        [&](const std::filesystem::path &) { return std::make_unique<FakeChangeSource>(pending); });
    QSignalSpy settled(&watch, &FolderWatch::filesSettled);
    auto *timer = watch.findChild<QTimer *>();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());

    watch.watch(dir.path());
    QVERIFY(watch.isWatching());
    QVERIFY(timer->isActive());
    clock->time += 1s;
    *pending = { "b.txt" }; // changed again: waits its own settle time
    watch.checkNow();
    clock->time += 9s;
    watch.checkNow();
    QCOMPARE(settled.count(), 0); // "a.txt" waits for "b.txt", settling 1 s later
    clock->time += 1s;
    watch.checkNow();
    QCOMPARE(settled.count(), 1);
    QCOMPARE(settledNames(settled, 0), (Names { "a.txt", "b.txt" }));
    QVERIFY(!timer->isActive()); // nothing waits: nothing runs

    // Handed back by a run: settles again a settle time later.
    watch.retry({ "a.txt" });
    QVERIFY(timer->isActive());
    clock->time += 10s;
    watch.checkNow();
    QCOMPARE(settled.count(), 2);
    QCOMPARE(settledNames(settled, 1), Names { "a.txt" });

    watch.stop();
    QVERIFY(!watch.isWatching());
    QVERIFY(!timer->isActive());
}

void FolderWatchTest::realFolderSignalsDroppedFilesOnceSettled()
{
    // Real inotify and real time: the notifier and the timer wired up as they are in use.
    TempDir dir;
    FolderWatch watch(300ms);
    QSignalSpy settled(&watch, &FolderWatch::filesSettled);
    QSignalSpy failed(&watch, &FolderWatch::watchFailed);
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    watch.watch(dir / "missing");
    QCOMPARE(failed.count(), 1);
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
    QVERIFY(!watch.isWatching());
    watch.watch(dir.path());
    QVERIFY(watch.isWatching());
    writeFile(dir / "dropped.txt", "content");
    QVERIFY(settled.wait(10000));
    QCOMPARE(settledNames(settled, 0), Names { "dropped.txt" });
}

QTEST_GUILESS_MAIN(FolderWatchTest)
#include "tst_FolderWatch.moc"
