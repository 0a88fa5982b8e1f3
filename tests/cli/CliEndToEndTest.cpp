#include "DeepFolder.h"
#include "PathCodec.h"
#include "TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

using Json = nlohmann::ordered_json;

const std::string invalidUtf8Name = "caf\xE9 \xFF.txt";
const std::set<std::string> categoryFolders { "Videos", "Images", "Documents", "Audio", "Code",
    "Archives", "Installers", "Design", "Fonts", "3D Models", "Others" };

struct CliResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string &word)
{
    std::string text = "'";
    for (char c : word)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Folders that undo leaves behind by design: category folders that held sub-group
// folders stay, with those sub-group folders, once empty.
TreeSnapshot withoutLeftoverCategoryFolders(TreeSnapshot snapshot, const TreeSnapshot &before)
{
    std::erase_if(snapshot, [&](const auto &entry) {
        const std::string top = entry.first.substr(0, entry.first.find('/'));
        return entry.second.kind == 'd' && categoryFolders.count(top) && !before.count(entry.first);
    });
    return snapshot;
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

    fs::path journalFile() const { return m_state / "tidyra" / "undo-journal.json"; }

    // A folder with something of every kind organize must get right, each file with
    // its own mode and nanosecond times so that undo must keep them.
    void fillFolder()
    {
        const std::pair<std::string, std::string> files[] = {
            { "a.jpg", "jpeg bytes" },
            { "b.png", "png bytes" },
            { "report.pdf", "pdf" },
            { "README", "no extension" },
            { "x.qqq", "unknown extension" },
            { "notes.", "ends in a dot" },
            { "model.stl", "3d" },
            { invalidUtf8Name, "latin-1 name" },
            { ".hidden.jpg", "hidden" },
            { "Sub/inner.jpg", "inside a sub-folder" },
        };
        long long time = 1'600'000'000;
        for (const auto &[name, content] : files) {
            const fs::path path = m_folder / name;
            writeFile(path, content);
            ASSERT_EQ(::chmod(path.c_str(), (time % 2) ? 0640 : 0755), 0);
            const timespec times[2] = { { time, 123456789 }, { time, 987654321 } };
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
            time += 3600;
        }
        fs::create_directory(m_folder / "Empty");
    }

    // Runs organize and expects it to move everything.
    void organize(const fs::path &folder)
    {
        const CliResult result = run({ "organize", folder.string() });
        ASSERT_EQ(result.exitCode, 0) << result.err;
    }

    TempDir m_capture;
    TempDir m_state;
    TempDir m_folder;
    std::string m_shellSetup; // shell commands run before the program, each ending in "&& "
};

TEST_F(CliEndToEndTest, PreviewAsTextAndJsonTouchesNothing)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());

    const CliResult text = run({ "preview", m_folder.path().string() });
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("8 files will be moved\n")) << text.out;
    EXPECT_TRUE(contains(text.out, "  TXT/\n    caf\xEF\xBF\xBD \xEF\xBF\xBD.txt\n")) << text.out;
    EXPECT_FALSE(contains(text.out, "hidden")) << text.out;

    const CliResult json = run({ "preview", "--json", m_folder.path().string() });
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const Json document = Json::parse(json.out);
    const fs::path folder = fs::canonical(m_folder.path());
    EXPECT_EQ(PathCodec::decode(document.at("folder")), folder);
    std::map<std::string, Json> bySource;
    for (const Json &operation : document.at("operations")) {
        const fs::path source = PathCodec::decode(operation.at("source"));
        const fs::path destination = PathCodec::decode(operation.at("destination"));
        EXPECT_EQ(source.parent_path(), folder);
        EXPECT_EQ(destination.lexically_relative(folder).begin()->native(),
            operation.at("category").get<std::string>());
        EXPECT_EQ(destination.filename(), source.filename());
        bySource[source.filename().native()] = operation;
    }
    EXPECT_EQ(bySource.size(), 8u);
    EXPECT_EQ(bySource["model.stl"].at("category"), "3D Models");
    EXPECT_TRUE(bySource["model.stl"].at("subGroup").is_null());
    EXPECT_EQ(bySource["README"].at("subGroup"), "");
    EXPECT_EQ(bySource["x.qqq"].at("subGroup"), "QQQ");
    // The name that is not UTF-8 travels in its lossless base64 form.
    EXPECT_TRUE(bySource[invalidUtf8Name].at("source").contains("base64"));

    EXPECT_EQ(describeDifference(before, snapshotTree(m_folder.path())), "");
    EXPECT_FALSE(fs::exists(m_state / "tidyra"));
}

TEST_F(CliEndToEndTest, OrganizeThenUndoGivesBackTheOriginalTree)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());

    // A relative folder: the journal must still lead back from anywhere.
    const CliResult organized = run({ "organize", "." }, m_folder.path());
    EXPECT_EQ(organized.exitCode, 0) << organized.err;
    EXPECT_EQ(organized.out, "8 files organized.\n");
    EXPECT_EQ(readFile(m_folder / "Others" / "README"), "no extension");
    EXPECT_EQ(readFile(m_folder / "Others" / "QQQ" / "x.qqq"), "unknown extension");
    EXPECT_EQ(readFile(m_folder / "Documents" / "TXT" / invalidUtf8Name), "latin-1 name");
    EXPECT_EQ(readFile(m_folder / "3D Models" / "model.stl"), "3d");
    struct stat info
    {
    };
    ASSERT_EQ(::stat(journalFile().parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);
    ASSERT_EQ(::stat(journalFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // A tidy folder is no new run: the journal still describes the first one.
    const std::string journal = readFile(journalFile());
    const CliResult again = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "Nothing to organize — folder is already tidy.\n");
    EXPECT_EQ(readFile(journalFile()), journal);

    const CliResult undone = run({ "undo" }, m_state.path());
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(undone.out, "Undo complete — 8 files restored.\n");
    const TreeSnapshot after = snapshotTree(m_folder.path());
    EXPECT_EQ(describeDifference(before, withoutLeftoverCategoryFolders(after, before)), "");
    EXPECT_FALSE(fs::exists(m_folder / "3D Models"));

    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");
    EXPECT_EQ(snapshotTree(m_folder.path()), after);
}

TEST_F(CliEndToEndTest, SkippedMovesExitWithThreeAndEachRunReplacesTheJournal)
{
    // An "Images" link leading out of the folder must not be followed.
    const TempDir outside;
    fs::create_directory_symlink(outside.path(), m_folder / "Images");
    writeFile(m_folder / "a.jpg", "a");
    writeFile(m_folder / "b.jpg", "b");
    writeFile(m_folder / "c.pdf", "c");

    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 3) << organized.err;
    EXPECT_TRUE(contains(organized.out, "[Tidyra] Skipped a.jpg: ")) << organized.out;
    EXPECT_TRUE(contains(organized.out, "[Tidyra] Skipped b.jpg: ")) << organized.out;
    EXPECT_TRUE(organized.out.ends_with("\n1 file organized.\n")) << organized.out;
    EXPECT_TRUE(fs::is_empty(outside.path()));
    EXPECT_EQ(readFile(m_folder / "a.jpg"), "a");

    // A run that moved nothing still replaces the journal: undo must not reach back.
    // The replacement is whole, never a rewrite in place that a reader could catch
    // half-written: a second name for the old file keeps the old content.
    const std::string oldJournal = readFile(journalFile());
    ASSERT_EQ(::link(journalFile().c_str(), (m_capture / "old").c_str()), 0);
    const CliResult again = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(again.exitCode, 3);
    EXPECT_TRUE(again.out.ends_with("\n0 files organized.\n")) << again.out;
    EXPECT_EQ(readFile(m_capture / "old"), oldJournal);
    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");
    EXPECT_EQ(readFile(m_folder / "Documents" / "c.pdf"), "c");
    EXPECT_EQ(std::distance(fs::directory_iterator(journalFile().parent_path()), {}), 1);
}

TEST_F(CliEndToEndTest, UndoWithoutJournalAndAfterAFailedUndoHasNothingToDo)
{
    const CliResult none = run({ "undo" });
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "Nothing to undo.\n");
    EXPECT_EQ(none.err, "");
    EXPECT_FALSE(fs::exists(m_state / "tidyra"));
    writeFile(journalFile(), " \n");
    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");

    writeFile(m_folder / "a.jpg", "a");
    writeFile(m_folder / "b.mp3", "b");
    organize(m_folder.path());
    writeFile(m_folder / "a.jpg", "new file in the way");

    const CliResult failed = run({ "undo" });
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.starts_with("Undo failed: ")) << failed.err;
    EXPECT_TRUE(contains(failed.err, "a.jpg")) << failed.err;
    EXPECT_EQ(readFile(m_folder / "a.jpg"), "new file in the way");
    EXPECT_EQ(readFile(m_folder / "Images" / "a.jpg"), "a");
    // Emptied before anything moved, so it is not tried again.
    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");
}

TEST_F(CliEndToEndTest, AJournalThatCannotBeTrustedMovesNothing)
{
    writeFile(m_folder / "a.jpg", "a");
    writeFile(m_folder / "b.mp3", "b");
    organize(m_folder.path());
    const TreeSnapshot organized = snapshotTree(m_folder.path());
    const std::string folder = fs::canonical(m_folder.path()).string();
    const TempDir elsewhere;
    writeFile(elsewhere / "victim.txt", "v");
    const std::string head = R"({"version": 1, "folder": ")" + folder + R"(", "operations": [)";

    const std::string journals[] = {
        "not json at all",
        // A valid move followed by one that would pull a file in from elsewhere.
        head + R"({"source": ")" + folder + R"(/a.jpg", "destination": ")" + folder
            + R"(/Images/a.jpg"}, {"source": ")" + folder + R"(/x.txt", "destination": ")" + folder
            + "/Others/../../" + elsewhere.path().filename().string() + R"(/victim.txt"}]})",
        head + R"({"source": ")" + (elsewhere / "victim.txt").string() + R"(", "destination": ")"
            + folder + R"(/Audio/b.mp3"}]})",
    };
    for (const std::string &journal : journals) {
        writeFile(journalFile(), journal);
        const CliResult result = run({ "undo" });
        EXPECT_EQ(result.exitCode, 1) << journal;
        EXPECT_TRUE(result.err.starts_with("Error: ")) << result.err;
        EXPECT_TRUE(contains(result.err, journalFile().string())) << result.err;
        EXPECT_FALSE(contains(result.err, "[json.exception")) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(describeDifference(organized, snapshotTree(m_folder.path())), "") << journal;
        EXPECT_EQ(readFile(elsewhere / "victim.txt"), "v");
        EXPECT_EQ(readFile(journalFile()), journal);
    }
}

TEST_F(CliEndToEndTest, CommandLineMistakesExitWithTwoAndShowUsage)
{
    for (const std::vector<std::string> &arguments : std::vector<std::vector<std::string>> { {},
             { "tidy" }, { "organize" }, { "organize", "a", "b" },
             { "preview", "--jsno", m_folder.path().string() }, { "undo", "now" } }) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_TRUE(contains(result.err, "Usage: tidyra-cli")) << result.err;
        EXPECT_EQ(result.out, "");
    }

    const CliResult help = run({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    for (const char *part : { "Usage: tidyra-cli", "organize", "undo", "base64", "XDG_STATE_HOME" })
        EXPECT_TRUE(contains(help.out, part)) << part;
    EXPECT_TRUE(contains(run({ "preview", "--help" }).out, "--json"));
    EXPECT_EQ(run({ "--version" }).out, "tidyra-cli 0.1.0\n");
}

TEST_F(CliEndToEndTest, ErrorsExitWithOneAndMoveNothing)
{
    writeFile(m_folder / "plain.txt", "x");
    for (const fs::path &folder : { m_folder / "missing", m_folder / "plain.txt" }) {
        for (const char *command : { "preview", "organize" }) {
            const CliResult result = run({ command, folder.string() });
            EXPECT_EQ(result.exitCode, 1) << command;
            EXPECT_TRUE(result.err.starts_with("Error: ")) << result.err;
            EXPECT_TRUE(contains(result.err, folder.filename().string())) << result.err;
            EXPECT_EQ(result.out, "");
        }
    }
    EXPECT_FALSE(fs::exists(journalFile()));

    // No place for the journal is found out before anything moves.
    fs::remove_all(m_state / "tidyra");
    writeFile(m_state / "tidyra", "not a folder");
    const CliResult blocked = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.starts_with("Error: ")) << blocked.err;
    EXPECT_EQ(readFile(m_folder / "plain.txt"), "x");
    EXPECT_EQ(readFile(m_state / "tidyra"), "not a folder");
}

TEST_F(CliEndToEndTest, TheJournalFollowsTheXdgStateRules)
{
    writeFile(m_folder / "song.mp3", "la");
    // A relative XDG_STATE_HOME is ignored, like an unset one.
    const std::vector<std::string> relative { "HOME=" + m_state.path().string(),
        "XDG_STATE_HOME=state" };
    EXPECT_EQ(runWith(relative, { "organize", m_folder.path().string() }).exitCode, 0);
    EXPECT_TRUE(fs::exists(m_state / ".local/state/tidyra/undo-journal.json"));
    EXPECT_EQ(runWith({ relative[0] }, { "undo" }).out, "Undo complete — 1 file restored.\n");

    const CliResult homeless
        = runWith({ "XDG_STATE_HOME=state" }, { "organize", m_folder.path().string() });
    EXPECT_EQ(homeless.exitCode, 1);
    EXPECT_TRUE(homeless.err.starts_with("Error: ")) << homeless.err;
    EXPECT_EQ(readFile(m_folder / "song.mp3"), "la");
}

TEST_F(CliEndToEndTest, NamesNeverReachTheTerminalRaw)
{
    // A link in place of "Images" makes every image move fail and be reported.
    const TempDir outside;
    fs::create_directory_symlink(outside.path(), m_folder / "Images");
    const std::string forged = "a\n[Tidyra] Skipped fake.jpg";
    const std::string escape = "b\x1b]0;owned\x07.jpg";
    writeFile(m_folder / forged, "a");
    writeFile(m_folder / escape, "b");

    const CliResult preview = run({ "preview", m_folder.path().string() });
    EXPECT_TRUE(contains(preview.out, "  a\\n[Tidyra] Skipped fake.jpg\n")) << preview.out;
    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 3) << organized.err;
    EXPECT_EQ(organized.out.find("\n[Tidyra] Skipped fake"), std::string::npos) << organized.out;
    EXPECT_TRUE(contains(organized.out, "[Tidyra] Skipped a\\n[Tidyra] Skipped fake.jpg: "))
        << organized.out;
    EXPECT_TRUE(contains(organized.out, "[Tidyra] Skipped b\\x1B]0;owned\\x07.jpg: "))
        << organized.out;

    const CliResult failed = run({ "preview", (m_folder / "gone\n\x1b[2Jx").string() });
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(contains(failed.err, "gone\\n\\x1B[2Jx")) << failed.err;
    for (const std::string &printed : { preview.out, organized.out, failed.err })
        EXPECT_EQ(printed.find_first_of("\x1b\x07"), std::string::npos) << printed;
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
    EXPECT_EQ(readFile(m_folder / forged), "a");
}

TEST_F(CliEndToEndTest, ManySubGroupsUnderALowLimitOfOpenFilesSkipNothing)
{
    // Both limits low, as "ulimit -n" sets them: raising the soft one cannot help.
    constexpr int files = 600;
    for (int i = 0; i < files; ++i)
        writeFile(m_folder / ("f" + std::to_string(i) + ".x" + std::to_string(i)), "x");
    m_shellSetup = "ulimit -n 256 && ";

    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 0) << organized.out.substr(0, 500) << organized.err;
    EXPECT_EQ(organized.out, "600 files organized.\n");
    EXPECT_EQ(readFile(m_folder / "Others/X599/f599.x599"), "x");
    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(readFile(m_folder / "f599.x599"), "x");
}

TEST_F(CliEndToEndTest, AFolderDeeperThanPathMaxIsOrganizedAndUndone)
{
    const DeepFolder deep(m_folder.path());
    ASSERT_EQ(::mkdirat(deep.handle(), "Images", 0755), 0);
    deep.write("Images/a.jpg", "older");
    deep.write("a.jpg", "new");
    deep.write("b.pdf", "pdf");

    const CliResult previewed = run({ "preview", deep.path().string() });
    EXPECT_EQ(previewed.exitCode, 0) << previewed.err;
    EXPECT_TRUE(previewed.out.starts_with("2 files will be moved\n")) << previewed.out;
    organize(deep.path());
    EXPECT_EQ(deep.read("Images/a (1).jpg"), "new");
    EXPECT_EQ(deep.read("Documents/b.pdf"), "pdf");
    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(undone.out, "Undo complete — 2 files restored.\n");
    EXPECT_EQ(deep.read("a.jpg"), "new");
    EXPECT_EQ(deep.read("Images/a.jpg"), "older");
}

} // namespace
