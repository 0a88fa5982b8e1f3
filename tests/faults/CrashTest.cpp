// Kills `tidyra-cli organize` and `undo` at several moments of a large run and checks
// that every file is still there exactly once, in its old place or its new one, whole,
// and that undo then brings every file back.

#include "FileCategory.h"
#include "FileName.h"
#include "TempDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int fileCount = 20000;

std::string fileName(int i)
{
    constexpr const char *extensions[]
        = { ".jpg", ".png", ".JPG", ".pdf", ".txt", ".mp3", ".zip", ".cpp", ".xyz", "" };
    return "file" + std::to_string(100000 + i) + extensions[i % std::size(extensions)];
}

void fillFolder(const fs::path &folder)
{
    for (int i = 0; i < fileCount; ++i)
        writeFile(folder / fileName(i), fileName(i));
}

// What is wrong with the folder, empty when every file is there once, whole, in its
// old place or where organizing puts it.
std::string checkFolder(const fs::path &folder)
{
    std::map<std::string, int> seen;
    std::string problems;
    for (const auto &entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_directory())
            continue;
        const std::string name = entry.path().filename().native();
        const std::string extension(FileName::extension(name));
        const fs::path category(rawValue(categoryForExtension(extension)));
        const fs::path relative = entry.path().lexically_relative(folder);
        if (!entry.is_regular_file() || readFile(entry.path()) != name
            || (relative != name && relative != category / name
                && relative != category / Text::toUpperCase(extension) / name))
            problems += "changed or misplaced: " + relative.string() + '\n';
        ++seen[name];
    }
    for (int i = 0; i < fileCount; ++i)
        if (seen[fileName(i)] != 1)
            problems += fileName(i) + " is there " + std::to_string(seen[fileName(i)]) + " times\n";
    return problems.substr(0, 1000);
}

std::size_t topLevelFiles(const fs::path &folder)
{
    return std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
        [](const fs::directory_entry &entry) { return entry.is_regular_file(); });
}

// Runs tidyra-cli with its journal in `state` and its output thrown away, and returns
// its exit code; with a signal, `timeout` sends it after `seconds`.
int run(const std::string &arguments, const fs::path &state, const char *signal = nullptr,
    double seconds = 0)
{
    std::string command = "XDG_STATE_HOME='" + state.string() + "' ";
    if (signal)
        command += std::string("timeout --preserve-status -s ") + signal + ' '
            + std::to_string(seconds) + ' ';
    const int status
        = std::system((command + TIDYRA_CLI_PATH + ' ' + arguments + " >/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// After SIGKILL at any moment of organize or of undo, or Ctrl-C or SIGTERM during
// organize, undo brings every file back to its old name and never touches an older run
// of another folder. Ctrl-C and SIGTERM stop after the current move, with exit code 1.
TEST(CrashTest, undoAfterAKilledOrInterruptedRunRestoresEveryFile)
{
    double organizeSeconds = 0;
    double undoSeconds = 0;
    {
        TempDir base;
        fillFolder(base / "folder");
        auto started = Clock::now();
        run("organize '" + (base / "folder").string() + "'", base / "state");
        organizeSeconds = std::chrono::duration<double>(Clock::now() - started).count();
        ASSERT_EQ(topLevelFiles(base / "folder"), 0u) << "the run moved nothing";
        started = Clock::now();
        run("undo", base / "state");
        undoSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    }
    struct Kill
    {
        bool undo;
        const char *signal;
        double fraction; // of the run's time
    };
    for (const Kill kill : { Kill { false, "KILL", 0.0 }, { false, "KILL", 0.3 },
             { false, "KILL", 0.6 }, { false, "KILL", 0.9 }, { false, "INT", 0.5 },
             { false, "TERM", 0.5 }, { true, "KILL", 0.0 }, { true, "KILL", 0.3 },
             { true, "KILL", 0.6 }, { true, "KILL", 0.9 } }) {
        SCOPED_TRACE(testing::Message() << (kill.undo ? "undo" : "organize") << " gets SIG"
                                        << kill.signal << " at " << kill.fraction);
        TempDir base;
        const fs::path state = base / "state";
        const fs::path folder = base / "folder";
        // An older run of another folder, which no undo here may touch.
        writeFile(base / "older/old.jpg", "old");
        run("organize '" + (base / "older").string() + "'", state);
        fillFolder(folder);
        const std::string organize = "organize '" + folder.string() + "'";
        if (kill.undo)
            run(organize, state);
        const int code = run(kill.undo ? "undo" : organize, state, kill.signal,
            (kill.undo ? undoSeconds : organizeSeconds) * kill.fraction);
        if (kill.signal != std::string("KILL") && topLevelFiles(folder) > 0) {
            EXPECT_EQ(code, 1) << "stopped cleanly";
        }
        EXPECT_EQ(checkFolder(folder), "");
        const bool movedSome = topLevelFiles(folder) < std::size_t(fileCount);

        run("undo", state);
        EXPECT_EQ(checkFolder(folder), "") << "after undo";
        // Only the files are left: the folders the run made are gone.
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()), fileCount);
        EXPECT_EQ(topLevelFiles(folder), std::size_t(fileCount)) << "after undo";
        // Unless the run was whole and over before the signal: then the older run is next.
        if (movedSome || (kill.undo && code != 0)) {
            EXPECT_EQ(readFile(base / "older/Images/old.jpg"), "old") << "the older run undone";
        }
    }
}

} // namespace
