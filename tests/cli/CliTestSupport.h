#pragma once

// The built tidyra-cli run as a user would run it, in temporary folders of its own.

#include "TempDir.h"
#include "model/Text.h"
#include "services/paths/PathCodec.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace CliTest {

using Json = nlohmann::ordered_json;
using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;

inline const std::string invalidUtf8Name = "caf\xE9 \xFF.txt";

struct CliResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string &word)
{
    std::string text = "'";
    for (char c : word)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

class CliEndToEndTest : public ::testing::Test
{
protected:
    // Runs the built program as a user would, with nothing from the test's own
    // environment but `environment`, from `workingFolder` (default: the state folder).
    CliResult runWith(const std::vector<std::string> &environment,
        const std::vector<std::string> &arguments, const fs::path &workingFolder = {})
    {
        std::string command = "cd " + quoted(workingFolder.empty() ? m_state.path() : workingFolder)
            + " && " + m_shellSetup + "env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8";
        for (const std::string &word : environment)
            command += " " + quoted(word);
        command += " " + quoted(TIDYRA_CLI_PATH);
        for (const std::string &word : arguments)
            command += " " + quoted(word);
        command += " </dev/null >" + quoted(m_capture / "out") + " 2>" + quoted(m_capture / "err");
        const int status = std::system(command.c_str());
        return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(m_capture / "out"),
            readFile(m_capture / "err") };
    }

    // The journal stays inside the test's temporary state folder.
    CliResult run(const std::vector<std::string> &arguments, const fs::path &workingFolder = {})
    {
        return runWith({ "XDG_STATE_HOME=" + m_state.path().string(), "HOME=/nonexistent" },
            arguments, workingFolder);
    }

    // The one run file in the journal; empty when there is none.
    fs::path runFile() const
    {
        std::error_code error;
        for (const auto &entry : fs::directory_iterator(m_state / "tidyra/runs", error))
            return entry.path();
        return {};
    }
    std::string restoredIn() const
    {
        return " restored in \"" + fs::canonical(m_folder.path()).string() + "\".\n";
    }

    // A folder with something of every kind organize must get right, each file with
    // its own mode and nanosecond times so that undo must keep them.
    void fillFolder()
    {
        long long time = 1'600'000'000;
        for (const std::string &name : std::initializer_list<std::string> { "a.jpg",
                 "Images/JPG/a.jpg", "b.png", "report.pdf", "README", "x.qqq", "notes.",
                 "model.stl", invalidUtf8Name, ".hidden.jpg", "Sub/inner.jpg" }) {
            const fs::path path = m_folder / name;
            writeFile(path, name);
            ASSERT_EQ(::chmod(path.c_str(), (time % 2) ? 0640 : 0755), 0);
            const timespec times[2] = { { time, 123456789 }, { time, 987654321 } };
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
            time += 3601;
        }
        fs::create_directory(m_folder / "Empty");
        fs::create_directory(m_folder / "3D Models"); // the user's own, empty: undo keeps it
    }

    TempDir m_capture;
    TempDir m_state;
    TempDir m_folder;
    std::string m_shellSetup; // shell commands run before the program, each ending in "&& "
};

} // namespace CliTest
