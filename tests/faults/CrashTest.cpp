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
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

// Starts tidyra-cli with its journal in `state`, its output thrown away.
pid_t start(std::vector<std::string> arguments, const fs::path &state)
{
    arguments.insert(arguments.begin(), TIDYRA_CLI_PATH);
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("XDG_STATE_HOME", state.c_str(), 1);
        ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);
        ::execv(TIDYRA_CLI_PATH, argv.data());
        std::_Exit(127);
    }
    return pid;
}

// Waits for the program's end, and returns its status; kills it with `signal` first
// once `until` is true.
int finish(pid_t pid, int signal = 0, const std::function<bool()> &until = {})
{
    int status = 0;
    while (until && !until() && ::waitpid(pid, &status, WNOHANG) == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (signal)
        ::kill(pid, signal);
    ::waitpid(pid, &status, 0);
    return status;
}

// After SIGKILL at any moment of organize or of undo, or Ctrl-C or SIGTERM during
// organize, undo brings every file back to its old name and never touches an older run
// of another folder. Ctrl-C and SIGTERM stop after the current move, with exit code 1.
TEST(CrashTest, undoAfterAKilledOrInterruptedRunRestoresEveryFile)
{
    Clock::duration organizeTime;
    Clock::duration undoTime;
    {
        TempDir base;
        fillFolder(base / "folder");
        auto started = Clock::now();
        finish(start({ "organize", (base / "folder").string() }, base / "state"));
        organizeTime = Clock::now() - started;
        ASSERT_EQ(topLevelFiles(base / "folder"), 0u) << "the run moved nothing";
        started = Clock::now();
        finish(start({ "undo" }, base / "state"));
        undoTime = Clock::now() - started;
    }
    struct Kill
    {
        bool undo;
        int signal;
        double fraction; // of the run's time; below 0: once some files have moved
    };
    for (const Kill kill : { Kill { false, SIGKILL, 0.0 }, { false, SIGKILL, 0.3 },
             { false, SIGKILL, 0.6 }, { false, SIGKILL, 0.9 }, { false, SIGINT, -1 },
             { false, SIGTERM, -1 }, { true, SIGKILL, 0.0 }, { true, SIGKILL, 0.3 },
             { true, SIGKILL, 0.6 }, { true, SIGKILL, 0.9 } }) {
        SCOPED_TRACE(testing::Message() << (kill.undo ? "undo" : "organize") << " gets signal "
                                        << kill.signal << " at " << kill.fraction);
        TempDir base;
        const fs::path state = base / "state";
        const fs::path folder = base / "folder";
        // An older run of another folder, which no undo here may touch.
        writeFile(base / "older/old.jpg", "old");
        finish(start({ "organize", (base / "older").string() }, state));
        fillFolder(folder);
        if (kill.undo)
            finish(start({ "organize", folder.string() }, state));
        const auto deadline
            = Clock::now() + (kill.undo ? undoTime : organizeTime) * std::max(kill.fraction, 0.0);
        const auto moment = [&] {
            return kill.fraction < 0 ? topLevelFiles(folder) < std::size_t(fileCount)
                                     : Clock::now() >= deadline;
        };
        const int status
            = finish(start(kill.undo ? std::vector<std::string> { "undo" }
                                     : std::vector<std::string> { "organize", folder.string() },
                         state),
                kill.signal, moment);
        if (kill.signal != SIGKILL && topLevelFiles(folder) > 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        }
        EXPECT_EQ(checkFolder(folder), "");
        const bool movedSome = topLevelFiles(folder) < std::size_t(fileCount);

        finish(start({ "undo" }, state));
        EXPECT_EQ(checkFolder(folder), "") << "after undo";
        // Only the files are left: the folders the run made are gone.
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()), fileCount);
        EXPECT_EQ(topLevelFiles(folder), std::size_t(fileCount)) << "after undo";
        if (movedSome || kill.undo) {
            EXPECT_EQ(readFile(base / "older/Images/old.jpg"), "old") << "the older run undone";
        }
    }
}

} // namespace
