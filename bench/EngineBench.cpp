// Plan, organize and undo of the engine next to the bare system calls of the same
// work (Baseline), on tmpfs and on the disk, on fresh folders of identical files.
// Prints a table of medians and engine/baseline ratios.

#include "Baseline.h"
#include "FileSet.h"
#include "Machine.h"
#include "model/PreviewTree.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/organizing/OrganizingService.h"
#include "services/organizing/PlanBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Options
{
    std::vector<std::size_t> sizes { 10000, 100000 };
    int repetitions = 5;
    std::vector<std::pair<std::string, fs::path>> places { { "tmpfs", "/dev/shm" },
        { "disk", "/var/tmp" } };
};

struct Steps
{
    double plan = 0;
    double organize = 0;
    double undo = 0;
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "benchmark run went wrong: %s\n", what);
        std::exit(1);
    }
}

Steps runEngine(const fs::path &folder, std::size_t count)
{
    // The run journal lives beside the folder, on the same file system, and its
    // writes and syncs are part of what is measured.
    const fs::path state = folder.parent_path() / (folder.filename().native() + "-state");
    const OrganizingService service(state);
    Steps steps;
    auto start = Clock::now();
    // The compact plan, as the app and tidyra-cli use it.
    const OrganizationPlan plan = service.buildPlan(folder);
    steps.plan = millisecondsSince(start);
    require(plan.moves.size() == count, "the engine planned a move for every file");
    start = Clock::now();
    const RunReport report = service.organize(plan);
    steps.organize = millisecondsSince(start);
    require(report.moved == count, "the engine moved every file");
    start = Clock::now();
    const UndoReport undone = service.undoLast(folder);
    steps.undo = millisecondsSince(start);
    require(undone.restored == count, "the engine restored every file");
    fs::remove_all(state);
    require(fs::exists(folder / FileSet::name(0)), "the engine moved the files back");
    return steps;
}

Steps runBaseline(const fs::path &folder, std::size_t count)
{
    Steps steps;
    auto start = Clock::now();
    const Baseline::Plan plan = Baseline::plan(folder);
    steps.plan = millisecondsSince(start);
    require(plan.moves.size() == count, "the baseline planned a move for every file");
    start = Clock::now();
    const std::size_t moved = Baseline::organize(folder, plan);
    steps.organize = millisecondsSince(start);
    require(moved == count, "the baseline moved every file");
    start = Clock::now();
    const std::size_t back = Baseline::undo(folder, plan);
    steps.undo = millisecondsSince(start);
    require(back == count, "the baseline moved every file back");
    return steps;
}

struct Row
{
    std::string place;
    std::string fileSystem;
    std::size_t files;
    std::vector<Steps> engine;
    std::vector<Steps> baseline;
};

// Each repetition makes two fresh folders of the same files and runs engine and
// baseline on them, taking turns at going first so that neither gets the warmer cache.
Row measure(const std::string &place, const fs::path &root, std::size_t files, int repetitions)
{
    Row row { place, Machine::fileSystemType(root), files, {}, {} };
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        const fs::path engineFolder = root / "engine";
        const fs::path baselineFolder = root / "baseline";
        FileSet::create(engineFolder, files);
        FileSet::create(baselineFolder, files);
        ::sync();
        if (repetition % 2 == 0) {
            row.engine.push_back(runEngine(engineFolder, files));
            row.baseline.push_back(runBaseline(baselineFolder, files));
        } else {
            row.baseline.push_back(runBaseline(baselineFolder, files));
            row.engine.push_back(runEngine(engineFolder, files));
        }
        FileSet::remove(engineFolder);
        FileSet::remove(baselineFolder);
    }
    return row;
}

double medianOf(const std::vector<Steps> &runs, double Steps::*step)
{
    std::vector<double> values;
    for (const Steps &run : runs)
        values.push_back(run.*step);
    return median(values);
}

void printRows(const std::vector<Row> &rows)
{
    struct Step
    {
        const char *name;
        double Steps::*field;
        double target;
    };
    const Step steps[] = { { "plan", &Steps::plan, 1.5 }, { "organize", &Steps::organize, 1.3 },
        { "undo", &Steps::undo, 1.3 } };
    std::printf("\n| where | fs | files | step | engine ms | baseline ms | ratio | target |\n");
    std::printf("|---|---|---:|---|---:|---:|---:|---|\n");
    for (const Row &row : rows) {
        for (const Step &step : steps) {
            const double engine = medianOf(row.engine, step.field);
            const double baseline = medianOf(row.baseline, step.field);
            const double ratio = engine / baseline;
            std::printf("| %s | %s | %zu | %s | %.1f | %.1f | %.2f | %s %.1fx |\n",
                row.place.c_str(), row.fileSystem.c_str(), row.files, step.name, engine, baseline,
                ratio, ratio <= step.target ? "met" : "MISSED", step.target);
        }
    }
}

void measurePreview(const fs::path &root, std::size_t files, int repetitions)
{
    const fs::path folder = root / "preview";
    FileSet::create(folder, files);
    PosixFileSystem disk;
    const OrganizationPlan plan = PlanBuilder(disk).buildPlan(folder);
    FileSet::remove(folder);
    std::vector<double> times;
    std::size_t categories = 0;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        categories = buildPreviewTree(plan).size();
        times.push_back(millisecondsSince(start));
    }
    std::printf("\nbuildPreviewTree, %zu moves in %zu categories: %.1f ms (median of %d)\n",
        plan.moves.size(), categories, median(times), repetitions);
}

fs::path ownFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

void measureMemory(const fs::path &root, std::size_t files)
{
    const fs::path folder = root / "memory";
    FileSet::create(folder, files);
    const std::string probe = (ownFolder() / "tidyra-bench-memory").string();
    const std::string output = (root / "memory.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string folderText = folder.string();
    char *argv[]
        = { const_cast<char *>(probe.c_str()), const_cast<char *>(folderText.c_str()), nullptr };
    pid_t pid = 0;
    int status = 0;
    const bool started = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (started)
        ::waitpid(pid, &status, 0);
    FileSet::remove(folder);
    long start = 0, plan = 0, preview = 0;
    std::size_t moves = 0, categories = 0;
    FILE *file = std::fopen(output.c_str(), "r");
    const bool read = file
        && std::fscanf(file, "start %ld plan %ld preview %ld moves %zu categories %zu", &start,
               &plan, &preview, &moves, &categories)
            == 5;
    if (file)
        std::fclose(file);
    fs::remove(output);
    if (!started || !read) {
        std::printf("\npeak memory: the probe %s did not report\n", probe.c_str());
        return;
    }
    std::printf("peak memory (separate process, VmHWM): at start %.1f MB, after planning %zu "
                "files %.1f MB (%s 100 MB), after buildPreviewTree %.1f MB\n",
        start / 1024.0, moves, plan / 1024.0, plan < 100 * 1024 ? "under" : "OVER",
        preview / 1024.0);
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--quick") {
            options.sizes = { 2000, 20000 };
            options.repetitions = 3;
        } else if (argument == "--repetitions" && hasValue) {
            options.repetitions = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--tmpfs" && hasValue) {
            options.places[0].second = argv[++i];
        } else if (argument == "--disk" && hasValue) {
            options.places[1].second = argv[++i];
        } else {
            std::fprintf(stderr,
                "usage: %s [--quick] [--repetitions N] [--tmpfs FOLDER] [--disk FOLDER]\n",
                argv[0]);
            std::exit(2);
        }
    }
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Baseline::prepare();

    std::printf("machine: %s, %u CPUs\n", Machine::cpuModel().c_str(), Machine::cpuCount());
    std::vector<std::pair<std::string, fs::path>> roots;
    for (const auto &[place, parent] : options.places) {
        std::string pattern = (parent / "tidyra-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::printf("%s: cannot make a folder in %s, skipped\n", place.c_str(), parent.c_str());
            continue;
        }
        roots.emplace_back(place, pattern);
        std::printf("%s: %s (%s)\n", place.c_str(), pattern.c_str(),
            Machine::fileSystemType(pattern).c_str());
    }

    // One small untimed round for both, so that first-use costs (tables, code pages)
    // fall outside the figures.
    if (!roots.empty())
        measure("warm-up", roots.front().second, 1000, 1);

    std::vector<Row> rows;
    for (const auto &[place, root] : roots) {
        for (const std::size_t files : options.sizes) {
            std::printf("measuring %s, %zu files, %d repetitions...\n", place.c_str(), files,
                options.repetitions);
            rows.push_back(measure(place, root, files, options.repetitions));
        }
    }
    printRows(rows);
    if (!roots.empty()) {
        measurePreview(roots.front().second, options.sizes.back(), options.repetitions);
        measureMemory(roots.front().second, options.sizes.back());
    }
    for (const auto &[place, root] : roots)
        FileSet::remove(root);
    return 0;
}
