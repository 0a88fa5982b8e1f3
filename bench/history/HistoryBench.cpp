// Opens the window on a folder whose history holds one run of many files, as after a
// restart, offscreen: the history is read, the run picked, its files listed, and the
// run undone from the history.
// Prints the longest gap between two turns of the UI thread's event loop in each step
// (the longest time the window could not answer) and the process's peak memory, each
// against its target.
//   tidyra-history-bench [FILE_COUNT [PARENT_FOLDER]]   (default 100000 in /dev/shm)

#include "ContentView.h"
#include "FixedClock.h"
#include "FolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "HistorySection.h"
#include "MemorySettingsStore.h"
#include "RunDetailsView.h"
#include "RunHistoryModel.h"
#include "services/organizing/OrganizingService.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

namespace {

constexpr double memoryTargetMiB = 120e6 / (1024.0 * 1024.0); // 120 MB
constexpr qint64 stallTargetMs = 50;
constexpr qint64 settleMs = 300;

class NoFolderChooser final : public FolderChooser
{
public:
    std::optional<FolderPath> chooseFolder() override { return std::nullopt; }
};

double peakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // KiB on Linux
}

// In a child process, so that what organizing costs is not this process's peak: the
// run is recorded as tidyra-cli or an earlier session of the app would have.
bool recordRun(const QString &folder, std::size_t fileCount)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        for (std::size_t i = 0; i < fileCount; ++i)
            std::ofstream((folder + QStringLiteral("/file %1.").arg(i)).toStdString()
                + (i % 2 ? "jpg" : "pdf"));
        const OrganizingService runs;
        const RunReport report = runs.organize(runs.buildPlan(folder.toStdString()));
        _exit(report.moved == fileCount ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs `action`, then turns the event loop until `isDone` and settleMs more, timing each turn: a
// precise 1 ms timer fires once per turn at best, so the gap between two firings is how long the
// loop was kept from turning. The action's own time counts as a gap too.
qint64 longestGap(const std::function<void()> &action, const std::function<bool()> &isDone)
{
    qint64 longest = 0;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    qint64 lastTurn = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - lastTurn);
        lastTurn = now;
    });
    QEventLoop loop;
    QTimer watch;
    watch.setInterval(1);
    // Then a while longer, for what the views lay out and draw later.
    qint64 doneAt = -1;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (doneAt < 0 && isDone())
            doneAt = clock.elapsed();
        if (doneAt >= 0 && clock.elapsed() - doneAt >= settleMs)
            loop.quit();
    });
    clock.start();
    ticker.start();
    watch.start();
    action();
    loop.exec();
    return std::max(longest, clock.elapsed() - lastTurn);
}

bool report(const char *step, qint64 gapMs)
{
    std::printf("%-34s longest UI-thread gap %4lld ms, peak memory %.1f MiB\n", step, gapMs,
        peakMemoryMiB());
    return gapMs <= stallTargetMs;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::size_t fileCount = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const QString parent = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/dev/shm");
    QTemporaryDir work(parent + QStringLiteral("/tidyra-history-XXXXXX"));
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(parent));
        return 1;
    }
    // The run journal goes there too, never into the user's own.
    qputenv("XDG_STATE_HOME", QFile::encodeName(work.filePath(QStringLiteral("state"))));
    const QString folder = work.filePath(QStringLiteral("Inbox"));
    QDir().mkpath(folder);
    if (!recordRun(folder, fileCount)) {
        std::fprintf(stderr, "recording a run of %zu files failed\n", fileCount);
        return 1;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::printf("history: one run of %zu files in %s\n", fileCount, qPrintable(parent));
    std::unique_ptr<FolderOrganizerViewModel> viewModel;
    std::unique_ptr<ContentView> window;
    bool withinTargets = true;

    withinTargets &= report("Window opened, history read",
        longestGap(
            [&] {
                viewModel = std::make_unique<FolderOrganizerViewModel>(
                    std::make_unique<NoFolderChooser>(),
                    std::make_unique<MemorySettingsStore>(folder),
                    std::make_unique<FixedClock>(QString()));
                window = std::make_unique<ContentView>(viewModel.get());
                window->resize(520, 600);
                window->show();
            },
            [&] { return viewModel->runHistory()->rowCount() == 1 && viewModel->canUndo(); }));
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    HistorySection *section = window->historySection();
    std::printf("  %s\n",
        qPrintable(viewModel->runHistory()->index(0, 0).data().toString().replace(
            QLatin1Char('\n'), QLatin1String(" / "))));

    withinTargets &= report("Run picked, its details shown",
        longestGap([&] { section->list()->setCurrentIndex(section->list()->model()->index(0, 0)); },
            [&] { return section->undoRunButton()->isEnabled(); }));
    // Its files read on the worker, then their window built on the UI thread.
    withinTargets &= report("Show Files, the run's files listed",
        longestGap([&] { section->filesButton()->click(); },
            [&] { return section->filesView() && section->filesView()->isVisible(); }));
    section->filesView()->close();
    withinTargets &= report("Undo This Run, history read again",
        longestGap([&] { section->undoRunButton()->click(); },
            [&] {
                return !viewModel->isOrganizing()
                    && viewModel->runHistory()->index(0, 0).data(RunHistoryModel::StateRole)
                    == QVariant::fromValue(RunHistoryModel::State::undone);
            }));
    std::printf("  %s\n", qPrintable(viewModel->statusMessage()));

    const double peak = peakMemoryMiB();
    std::printf("peak memory %.1f MiB (target 120 MB = %.1f MiB): %s\n", peak, memoryTargetMiB,
        peak <= memoryTargetMiB ? "met" : "MISSED");
    std::printf("longest UI-thread gap target %lld ms: %s\n", stallTargetMs,
        withinTargets ? "met" : "MISSED");
    return peak <= memoryTargetMiB && withinTargets ? 0 : 2;
}
