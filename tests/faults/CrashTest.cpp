// Kills `tidyra-cli organize` and `undo` at several moments of a large run and checks
// that every file is still there exactly once, in its old place or its new one, whole,
// and that undo then brings every file back.

#include "FileCategory.h"
#include "FileName.h"
#include "TempDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <spawn.h>
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
    fs::create_directories(folder);
    for (int i = 0; i < fileCount; ++i) {
        const std::string name = fileName(i);
        const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_TRUE(fd >= 0 && ::write(fd, name.data(), name.size()) == ssize_t(name.size()));
        ::close(fd);
    }
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
    std::size_t count = 0;
    for (const auto &entry : fs::directory_iterator(folder))
        count += entry.is_regular_file();
    return count;
}

// Starts tidyra-cli with its journal in `state`, its output thrown away.
pid_t start(std::vector<std::string> arguments, const fs::path &state)
{
    std::vector<std::string> environment { "XDG_STATE_HOME=" + state.string(),
        "PATH=/usr/bin:/bin" };
    arguments.insert(arguments.begin(), TIDYRA_CLI_PATH);
    std::vector<char *> argv;
    std::vector<char *> envp;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    for (std::string &variable : environment)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, TIDYRA_CLI_PATH, &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

int finish(pid_t pid, int signal = 0, Clock::duration after = {})
{
    std::this_thread::sleep_for(after);
    if (signal)
        ::kill(pid, signal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

Clock::duration timeOf(const std::vector<std::string> &arguments, const fs::path &state)
{
    const auto started = Clock::now();
    finish(start(arguments, state));
    return Clock::now() - started;
}

// After a kill at any moment, of organize or of undo, undo brings every file back to
// its old name, and never touches an older run of another folder.
TEST(CrashTest, undoAfterAKilledOrganizeOrUndoRestoresEveryFile)
{
    Clock::duration organizeTime;
    Clock::duration undoTime;
    {
        TempDir base;
        fillFolder(base / "folder");
        organizeTime = timeOf({ "organize", (base / "folder").string() }, base / "state");
        ASSERT_EQ(topLevelFiles(base / "folder"), 0u) << "the run moved nothing";
        undoTime = timeOf({ "undo" }, base / "state");
    }
    for (const bool killUndo : { false, true }) {
        for (const double fraction : { 0.0, 0.3, 0.6, 0.9 }) {
            const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(
                (killUndo ? undoTime : organizeTime) * fraction);
            SCOPED_TRACE(std::string(killUndo ? "undo" : "organize") + " killed after "
                + std::to_string(delay.count()) + " us");
            TempDir base;
            const fs::path state = base / "state";
            const fs::path folder = base / "folder";
            // An older run of another folder, which no undo here may touch.
            writeFile(base / "older/old.jpg", "old");
            finish(start({ "organize", (base / "older").string() }, state));
            fillFolder(folder);
            if (killUndo)
                finish(start({ "organize", folder.string() }, state));
            finish(start(killUndo ? std::vector<std::string> { "undo" }
                                  : std::vector<std::string> { "organize", folder.string() },
                       state),
                SIGKILL, delay);
            EXPECT_EQ(checkFolder(folder), "");
            const bool movedSome = topLevelFiles(folder) < std::size_t(fileCount);

            finish(start({ "undo" }, state));
            EXPECT_EQ(checkFolder(folder), "") << "after undo";
            // Only the files are left: the folders the run made are gone.
            EXPECT_EQ(topLevelFiles(folder), std::size_t(fileCount)) << "after undo";
            EXPECT_EQ(
                std::distance(fs::directory_iterator(folder), fs::directory_iterator()), fileCount);
            if (movedSome || killUndo) {
                EXPECT_EQ(readFile(base / "older/Images/old.jpg"), "old") << "the older run undone";
            }
        }
    }
}

// Ctrl-C or SIGTERM stops a run after the current move, says so, and leaves a
// record that undo completes.
TEST(CrashTest, anInterruptedOrganizeStopsCleanlyAndIsUndone)
{
    for (const int signal : { SIGINT, SIGTERM }) {
        SCOPED_TRACE(signal);
        TempDir base;
        const fs::path folder = base / "folder";
        fillFolder(folder);
        const pid_t pid = start({ "organize", folder.string() }, base / "state");
        // Once some files have moved.
        for (const auto deadline = Clock::now() + std::chrono::seconds(20);
             topLevelFiles(folder) == std::size_t(fileCount) && Clock::now() < deadline;)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const int status = finish(pid, signal);
        if (topLevelFiles(folder) == 0)
            continue; // it finished first
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_EQ(checkFolder(folder), "");
        finish(start({ "undo" }, base / "state"));
        EXPECT_EQ(topLevelFiles(folder), std::size_t(fileCount));
    }
}

} // namespace
