// Kills `tidyra-cli organize` with SIGKILL at several moments of a large run and checks
// that every file is still there exactly once, in its old place or its new one, whole.

#include "FileCategory.h"
#include "FileName.h"
#include "TempDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int fileCount = 20000;
constexpr std::array extensions
    = { "jpg", "png", "JPG", "pdf", "txt", "mp3", "zip", "cpp", "xyz", "" };

std::string fileName(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "file%05d", i);
    const std::string extension = extensions[static_cast<std::size_t>(i) % extensions.size()];
    return extension.empty() ? name : std::string(name) + "." + extension;
}

void fillFolder(const fs::path &folder)
{
    fs::create_directories(folder);
    for (int i = 0; i < fileCount; ++i) {
        const std::string name = fileName(i);
        const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, name.data(), name.size()), static_cast<ssize_t>(name.size()));
        ::close(fd);
    }
}

// The places a file may be in: where it was, or where organizing puts it.
bool isOldOrNewPlace(const fs::path &relative, const std::string &name)
{
    if (relative == name)
        return true;
    const std::string category(rawValue(categoryForExtension(FileName::extension(name))));
    const std::string group = Text::toUpperCase(FileName::extension(name));
    return relative == fs::path(category) / name || relative == fs::path(category) / group / name;
}

// What is wrong with the folder, empty when every file is there once, whole, in place.
std::string checkFolder(const fs::path &folder)
{
    std::map<std::string, int> seen;
    std::string problems;
    int reported = 0;
    const auto report = [&](const std::string &line) {
        if (++reported <= 10)
            problems += line + '\n';
    };
    for (const auto &entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_directory())
            continue;
        const std::string name = entry.path().filename().native();
        const fs::path relative = entry.path().lexically_relative(folder);
        if (!entry.is_regular_file() || readFile(entry.path()) != name)
            report("changed or unexpected: " + relative.string());
        else if (!isOldOrNewPlace(relative, name))
            report("in a place it should not be: " + relative.string());
        ++seen[name];
    }
    for (int i = 0; i < fileCount; ++i) {
        const int count = seen[fileName(i)];
        if (count != 1)
            report(fileName(i) + " is there " + std::to_string(count) + " times");
    }
    if (reported > 10)
        problems += std::to_string(reported - 10) + " more\n";
    return problems;
}

std::set<std::string> topLevelFiles(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file())
            names.insert(entry.path().filename().native());
    }
    return names;
}

class CliProcess
{
public:
    CliProcess(const std::vector<std::string> &arguments, const fs::path &stateHome)
    {
        std::vector<std::string> environment { "XDG_STATE_HOME=" + stateHome.string() };
        for (char **variable = environ; *variable; ++variable) {
            if (std::string_view(*variable).rfind("XDG_STATE_HOME=", 0) != 0)
                environment.emplace_back(*variable);
        }
        std::vector<char *> argv { const_cast<char *>(TIDYRA_CLI_PATH) };
        for (const std::string &argument : arguments)
            argv.push_back(const_cast<char *>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<char *> envp;
        for (std::string &variable : environment)
            envp.push_back(variable.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        m_started = std::chrono::steady_clock::now();
        m_error = posix_spawn(&m_pid, TIDYRA_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
    }

    bool started() const { return m_error == 0; }
    void kill(int signal = SIGKILL) { ::kill(m_pid, signal); }
    // Waits for the end; returns the wait status.
    int wait()
    {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_duration = std::chrono::steady_clock::now() - m_started;
        return status;
    }
    std::chrono::steady_clock::duration duration() const { return m_duration; }

private:
    pid_t m_pid = -1;
    int m_error = 0;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::duration m_duration {};
};

int runToEnd(const std::vector<std::string> &arguments, const fs::path &stateHome)
{
    CliProcess process(arguments, stateHome);
    EXPECT_TRUE(process.started());
    return process.wait();
}

std::chrono::steady_clock::duration timeOf(const std::vector<std::string> &arguments,
    const fs::path &stateHome)
{
    CliProcess process(arguments, stateHome);
    EXPECT_TRUE(process.started());
    process.wait();
    return process.duration();
}

void killAfter(const std::vector<std::string> &arguments, const fs::path &stateHome,
    std::chrono::steady_clock::duration delay)
{
    CliProcess process(arguments, stateHome);
    ASSERT_TRUE(process.started());
    std::this_thread::sleep_for(delay);
    process.kill();
    process.wait();
}

// After a kill at any moment, of organize or of undo, undo brings every file back to
// its old name, and never touches an older run of another folder.
TEST(CrashTest, undoAfterAKilledOrganizeOrUndoRestoresEveryFile)
{
    std::chrono::steady_clock::duration organizeTime;
    std::chrono::steady_clock::duration undoTime;
    {
        TempDir base;
        fillFolder(base / "folder");
        organizeTime = timeOf({ "organize", (base / "folder").string() }, base / "state");
        ASSERT_EQ(checkFolder(base / "folder"), "");
        ASSERT_TRUE(topLevelFiles(base / "folder").empty()) << "the run moved nothing";
        undoTime = timeOf({ "undo" }, base / "state");
        ASSERT_EQ(topLevelFiles(base / "folder").size(), std::size_t(fileCount));
    }

    for (const bool killUndo : { false, true }) {
        for (const double fraction : { 0.0, 0.3, 0.6, 0.9 }) {
            const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(
                (killUndo ? undoTime : organizeTime) * fraction);
            SCOPED_TRACE(std::string(killUndo ? "undo" : "organize") + " killed after "
                + std::to_string(delay.count()) + " us");
            TempDir base;
            const fs::path state = base / "state";
            // An older run of another folder, which no undo here may touch.
            const fs::path older = base / "older";
            fs::create_directories(older);
            writeFile(older / "old.jpg", "old");
            runToEnd({ "organize", older.string() }, state);
            const fs::path folder = base / "folder";
            fillFolder(folder);

            if (killUndo) {
                runToEnd({ "organize", folder.string() }, state);
                killAfter({ "undo" }, state, delay);
            } else {
                killAfter({ "organize", folder.string() }, state, delay);
            }
            EXPECT_EQ(checkFolder(folder), "");
            const bool movedSome = topLevelFiles(folder).size() < std::size_t(fileCount);

            runToEnd({ "undo" }, state);
            EXPECT_EQ(checkFolder(folder), "") << "after undo";
            EXPECT_EQ(topLevelFiles(folder).size(), std::size_t(fileCount)) << "after undo";
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
                fileCount)
                << "the folders the run made are gone";
            if (movedSome || killUndo) {
                EXPECT_EQ(readFile(older / "Images/old.jpg"), "old") << "the older run was undone";
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
        CliProcess process({ "organize", folder.string() }, base / "state");
        ASSERT_TRUE(process.started());
        // Once some files have moved.
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (topLevelFiles(folder).size() == std::size_t(fileCount)
            && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        process.kill(signal);
        const int status = process.wait();
        if (topLevelFiles(folder).empty())
            continue; // it finished first
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_EQ(checkFolder(folder), "");
        runToEnd({ "undo" }, base / "state");
        EXPECT_EQ(topLevelFiles(folder).size(), std::size_t(fileCount));
    }
}

} // namespace
