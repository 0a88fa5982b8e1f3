// Organizes and undoes a folder of many files through the app's view model, offscreen
// with the main window shown, and prints the longest gap between two turns of the UI
// thread's event loop during each step (the longest time the window could not answer),
// with the step's length and the peak memory of the process.
//   tidyra-stall-bench [FILE_COUNT [PARENT_FOLDER]]   (default 100000 in /dev/shm)

#include "ContentView.h"
#include "FixedClock.h"
#include "FolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "PreviewView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace {

class NoFolderChooser final : public FolderChooser
{
public:
    std::optional<FolderPath> chooseFolder() override { return std::nullopt; }
};

long peakMemoryKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

void fillFolder(const QString &folder, std::size_t fileCount)
{
    static constexpr std::array<const char *, 16> extensions { "jpg", "png", "heic", "pdf", "docx",
        "txt", "mp3", "m4a", "mov", "mp4", "zip", "gz", "py", "html", "dmg", "xyz" };
    for (std::size_t i = 0; i < fileCount; ++i)
        std::ofstream((folder + QStringLiteral("/file %1.").arg(i)).toStdString()
            + extensions[i % extensions.size()]);
}

struct Step
{
    qint64 longestGapMs = 0;
    qint64 lengthMs = 0;
    qint64 actionMs = 0; // the action's own call, before the loop turns again
};

// Starts `action` and turns the event loop until the run is over, timing each turn: a
// precise 1 ms timer fires once per turn at best, so the gap between two firings is
// how long the loop was kept from turning.
Step measure(FolderOrganizerViewModel &viewModel, void (FolderOrganizerViewModel::*action)(),
    const std::function<bool()> &isDone)
{
    Step step;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    qint64 lastTurn = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        step.longestGapMs = std::max(step.longestGapMs, now - lastTurn);
        lastTurn = now;
    });
    QEventLoop loop;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (isDone())
            loop.quit();
    });
    clock.start();
    ticker.start();
    watch.start();
    // The action's own time on the UI thread counts as a gap too.
    (viewModel.*action)();
    step.actionMs = clock.elapsed();
    loop.exec();
    step.lengthMs = clock.elapsed();
    step.longestGapMs = std::max(step.longestGapMs, clock.elapsed() - lastTurn);
    return step;
}

void print(const char *name, const Step &step)
{
    std::printf("%-27s longest UI-thread gap %4lld ms (the action's call %4lld ms), step %5lld "
                "ms, peak memory %.1f MiB\n",
        name, step.longestGapMs, step.actionMs, step.lengthMs, peakMemoryKiB() / 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::size_t fileCount = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const QString parent = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/dev/shm");

    QTemporaryDir work(parent + QStringLiteral("/tidyra-stall-XXXXXX"));
    if (!work.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(parent));
        return 1;
    }
    // The run journal goes there too, never into the user's own.
    qputenv("XDG_STATE_HOME", QFile::encodeName(work.filePath(QStringLiteral("state"))));
    const QString folder = work.filePath(QStringLiteral("Inbox"));
    QDir().mkpath(folder);
    fillFolder(folder, fileCount);

    FolderOrganizerViewModel viewModel(std::make_unique<NoFolderChooser>(),
        std::make_unique<MemorySettingsStore>(folder), std::make_unique<FixedClock>(QString()));
    ContentView window(&viewModel);
    window.resize(520, 480);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    using VM = FolderOrganizerViewModel;
    const auto idle = [&] { return !viewModel.isOrganizing(); };
    std::printf("files: %zu in %s\n", fileCount, qPrintable(parent));
    print("Organize Now", measure(viewModel, &VM::organizeNow, idle));
    std::printf("  %s\n", qPrintable(viewModel.statusMessage()));
    print("Undo", measure(viewModel, &VM::undoLastOperation, idle));
    std::printf("  %s\n", qPrintable(viewModel.statusMessage()));
    // Preview: the scan, then the sheet drawn on the UI thread (its own budget).
    print("Preview (scan and sheet)", measure(viewModel, &VM::generatePreview, [&] {
        return idle() && window.previewView() && window.previewView()->isVisible();
    }));
    // Apply also closes the sheet, whose teardown runs on the UI thread.
    print("Apply (closing the sheet)", measure(viewModel, &VM::applyCurrentPlan, idle));
    std::printf("  %s\n", qPrintable(viewModel.statusMessage()));
    return 0;
}
