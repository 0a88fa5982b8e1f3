// Kills `tidyra-cli organize` and `undo` at counted system calls of a large run (strace
// sends the signal as the call is made, so each case is the same every time) and checks
// that every file is still there exactly once, in its old place or its new one, whole,
// and that undo then brings every file back.

#include "TempDir.h"
#include "model/FileCategory.h"
#include "model/FileName.h"
#include "model/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace fs = std::filesystem;

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
// its exit code; with a signal, it is sent as the program makes its `nth` call of
// `call` (renameat2 moves a file, fdatasync makes the journal durable).
int run(const std::string &arguments, const fs::path &state, const char *signal = nullptr,
    const char *call = nullptr, int nth = 0)
{
    std::string command = "XDG_STATE_HOME='" + state.string() + "' ";
    // LeakSanitizer cannot work under ptrace, which strace is.
    if (signal)
        command += std::string("ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" ")
            + "strace -f -o /dev/null -e trace=" + call + " -e inject=" + call + ":signal=" + signal
            + ":when=" + std::to_string(nth) + ' ';
    const int status
        = std::system((command + TIDYRA_CLI_PATH + ' ' + arguments + " >/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// After SIGKILL at any moment of organize or of undo, or Ctrl-C or SIGTERM during
// organize, undo brings every file back to its old name and never touches an older run
// of another folder. Ctrl-C and SIGTERM stop after the current move, with exit code 1.
TEST(CrashTest, undoAfterAKilledOrInterruptedRunRestoresEveryFile)
{
    struct Kill
    {
        bool undo;
        const char *signal;
        const char *call;
        int nth;
    };
    for (const Kill kill : { Kill { false, "KILL", "fdatasync", 1 },
             { false, "KILL", "fdatasync", 3 }, { false, "KILL", "renameat2", 1 },
             { false, "KILL", "renameat2", 4097 }, { false, "KILL", "renameat2", 12000 },
             { false, "KILL", "renameat2", 19999 }, { false, "INT", "renameat2", 10000 },
             { false, "TERM", "renameat2", 10000 }, { true, "KILL", "renameat2", 1 },
             { true, "KILL", "renameat2", 6000 }, { true, "KILL", "renameat2", 19999 } }) {
        SCOPED_TRACE(testing::Message() << (kill.undo ? "undo" : "organize") << " gets SIG"
                                        << kill.signal << " at " << kill.call << " " << kill.nth);
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
        const int code
            = run(kill.undo ? "undo" : organize, state, kill.signal, kill.call, kill.nth);
        if (kill.signal != std::string("KILL")) {
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
        // Unless the run moved nothing before the signal: then the older run is next.
        if (movedSome || kill.undo) {
            EXPECT_EQ(readFile(base / "older/Images/old.jpg"), "old") << "the older run undone";
        }
    }
}

} // namespace
