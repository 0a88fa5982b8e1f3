#include "CliRunner.h"
#include "PathCodec.h"
#include "TempDir.h"

#include <set>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Json = nlohmann::ordered_json;

const std::string invalidUtf8Name = "caf\xE9 \xFF.txt";
const std::set<std::string> categoryFolders { "Videos", "Images", "Documents", "Audio", "Code",
    "Archives", "Installers", "Design", "Fonts", "3D Models", "Others" };

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

void setModeAndTime(const fs::path &path, mode_t mode, long long seconds)
{
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    const timespec times[2] = { { seconds, 123456789 }, { seconds, 987654321 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// Folders that undo leaves behind by design: category folders that held sub-group
// folders stay, with those sub-group folders, once empty.
TreeSnapshot withoutLeftoverCategoryFolders(TreeSnapshot snapshot, const TreeSnapshot &before)
{
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        const std::string top = it->first.substr(0, it->first.find('/'));
        if (it->second.kind == 'd' && categoryFolders.count(top) && !before.count(it->first))
            it = snapshot.erase(it);
        else
            ++it;
    }
    return snapshot;
}

class CliEndToEndTest : public ::testing::Test
{
protected:
    CliResult run(const std::vector<std::string> &arguments, const fs::path &workingFolder = {})
    {
        return runCli(arguments, m_state.path(), workingFolder);
    }

    fs::path journalFile() const { return m_state / "tidyra" / "undo-journal.json"; }

    // A folder with something of every kind organize must get right.
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
            writeFile(m_folder / name, content);
            setModeAndTime(m_folder / name, (time % 2) ? 0640 : 0755, time);
            time += 3600;
        }
        fs::create_directory(m_folder / "Empty");
    }

    TempDir m_state;
    TempDir m_folder;
};

TEST_F(CliEndToEndTest, PreviewShowsTheTreeAndTouchesNothing)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());

    const CliResult result = run({ "preview", m_folder.path().string() });

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("8 files will be moved\n")) << result.out;
    EXPECT_TRUE(contains(result.out, "Others/\n  README\n  notes.\n  QQQ/\n    x.qqq\n"))
        << result.out;
    EXPECT_TRUE(contains(result.out,
        "Documents/\n  PDF/\n    report.pdf\n  TXT/\n    caf\xEF\xBF\xBD \xEF\xBF\xBD.txt\n"))
        << result.out;
    EXPECT_TRUE(contains(result.out, "3D Models/\n  model.stl\n")) << result.out;
    EXPECT_FALSE(contains(result.out, "hidden")) << result.out;
    EXPECT_EQ(describeDifference(before, snapshotTree(m_folder.path())), "");
    EXPECT_FALSE(fs::exists(m_state / "tidyra"));
}

TEST_F(CliEndToEndTest, PreviewJsonParsesBackToThePlan)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());

    const CliResult result = run({ "preview", "--json", m_folder.path().string() });

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json document = Json::parse(result.out);
    EXPECT_EQ(PathCodec::decode(document.at("folder")), fs::canonical(m_folder.path()));
    std::set<std::string> sources;
    for (const Json &operation : document.at("operations")) {
        const fs::path source = PathCodec::decode(operation.at("source"));
        const fs::path destination = PathCodec::decode(operation.at("destination"));
        sources.insert(source.filename().native());
        EXPECT_EQ(source.parent_path(), fs::canonical(m_folder.path()));
        const fs::path inFolder = destination.lexically_relative(source.parent_path());
        EXPECT_EQ(inFolder.begin()->native(), operation.at("category").get<std::string>());
        if (source.filename() == "model.stl") {
            EXPECT_EQ(operation.at("category"), "3D Models");
            EXPECT_TRUE(operation.at("subGroup").is_null());
        }
        if (source.filename() == "README") {
            EXPECT_EQ(operation.at("subGroup"), "");
        }
        if (source.filename() == "x.qqq") {
            EXPECT_EQ(operation.at("subGroup"), "QQQ");
        }
        if (source.filename() == invalidUtf8Name) {
            EXPECT_TRUE(operation.at("source").is_object());
            EXPECT_EQ(destination.filename(), invalidUtf8Name);
        }
    }
    EXPECT_EQ(sources,
        (std::set<std::string> { "a.jpg", "b.png", "report.pdf", "README", "x.qqq", "notes.",
            "model.stl", invalidUtf8Name }));
    EXPECT_EQ(describeDifference(before, snapshotTree(m_folder.path())), "");
}

TEST_F(CliEndToEndTest, OrganizeThenUndoGivesBackTheOriginalTree)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());

    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 0) << organized.err;
    EXPECT_EQ(organized.out, "8 files organized.\n");
    EXPECT_EQ(organized.err, "");
    EXPECT_EQ(readFile(m_folder / "Others" / "README"), "no extension");
    EXPECT_EQ(readFile(m_folder / "Others" / "notes."), "ends in a dot");
    EXPECT_EQ(readFile(m_folder / "Others" / "QQQ" / "x.qqq"), "unknown extension");
    EXPECT_EQ(readFile(m_folder / "Documents" / "TXT" / invalidUtf8Name), "latin-1 name");
    EXPECT_EQ(readFile(m_folder / "3D Models" / "model.stl"), "3d");
    EXPECT_TRUE(fs::exists(m_folder / ".hidden.jpg"));
    EXPECT_TRUE(fs::is_directory(m_folder / "Empty"));
    struct stat info
    {
    };
    ASSERT_EQ(::stat(journalFile().parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);

    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(undone.out, "Undo complete — 8 files restored.\n");
    EXPECT_EQ(undone.err, "");
    const TreeSnapshot after = snapshotTree(m_folder.path());
    EXPECT_EQ(describeDifference(before, withoutLeftoverCategoryFolders(after, before)), "");
    // Category folders without sub-folders go away once emptied.
    EXPECT_FALSE(fs::exists(m_folder / "3D Models"));

    const CliResult again = run({ "undo" });
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "Nothing to undo.\n");
    EXPECT_EQ(snapshotTree(m_folder.path()), after);
}

TEST_F(CliEndToEndTest, ARelativeFolderIsJournaledAbsolutely)
{
    writeFile(m_folder / "song.mp3", "la");
    const CliResult organized = run({ "organize", "." }, m_folder.path());
    ASSERT_EQ(organized.exitCode, 0) << organized.err;
    EXPECT_TRUE(fs::exists(m_folder / "Audio" / "song.mp3"));

    const CliResult undone = run({ "undo" }, m_state.path());
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(readFile(m_folder / "song.mp3"), "la");
}

TEST_F(CliEndToEndTest, SkippedMovesAreReportedAndExitWithThree)
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

    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.out, "Undo complete — 1 file restored.\n");
    EXPECT_EQ(readFile(m_folder / "c.pdf"), "c");
    EXPECT_TRUE(fs::is_symlink(m_folder / "Images"));
}

TEST_F(CliEndToEndTest, ARunThatMovedNothingReplacesTheJournal)
{
    const TempDir first;
    writeFile(first / "song.mp3", "la");
    ASSERT_EQ(run({ "organize", first.path().string() }).exitCode, 0);

    const TempDir outside;
    fs::create_directory_symlink(outside.path(), m_folder / "Images");
    writeFile(m_folder / "a.jpg", "a");
    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 3);
    EXPECT_TRUE(organized.out.ends_with("0 files organized.\n")) << organized.out;

    // Undo now refers to the last run, which has nothing to reverse.
    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.exitCode, 0);
    EXPECT_EQ(undone.out, "Nothing to undo.\n");
    EXPECT_TRUE(fs::exists(first / "Audio" / "song.mp3"));
}

TEST_F(CliEndToEndTest, ATidyFolderLeavesTheJournalAlone)
{
    writeFile(m_folder / "song.mp3", "la");
    ASSERT_EQ(run({ "organize", m_folder.path().string() }).exitCode, 0);
    const std::string journal = readFile(journalFile());

    const CliResult again = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "Nothing to organize — folder is already tidy.\n");
    EXPECT_EQ(readFile(journalFile()), journal);
}

TEST_F(CliEndToEndTest, UndoWithoutJournalHasNothingToDo)
{
    const CliResult result = run({ "undo" });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Nothing to undo.\n");
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(fs::exists(m_state / "tidyra"));
}

TEST_F(CliEndToEndTest, AFailedUndoReportsAndIsNotRepeated)
{
    writeFile(m_folder / "a.jpg", "a");
    writeFile(m_folder / "b.mp3", "b");
    ASSERT_EQ(run({ "organize", m_folder.path().string() }).exitCode, 0);
    writeFile(m_folder / "a.jpg", "new file in the way");

    const CliResult undone = run({ "undo" });
    EXPECT_EQ(undone.exitCode, 1);
    EXPECT_TRUE(undone.err.starts_with("Undo failed: ")) << undone.err;
    EXPECT_TRUE(contains(undone.err, "a.jpg")) << undone.err;
    EXPECT_EQ(readFile(m_folder / "a.jpg"), "new file in the way");
    EXPECT_EQ(readFile(m_folder / "Images" / "a.jpg"), "a");

    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");
}

TEST_F(CliEndToEndTest, AJournalThatCannotBeTrustedMovesNothing)
{
    writeFile(m_folder / "a.jpg", "a");
    writeFile(m_folder / "b.mp3", "b");
    ASSERT_EQ(run({ "organize", m_folder.path().string() }).exitCode, 0);
    const TreeSnapshot organized = snapshotTree(m_folder.path());
    const std::string folder = fs::canonical(m_folder.path()).string();
    const TempDir elsewhere;
    writeFile(elsewhere / "victim.txt", "v");

    const std::string journals[] = {
        "not json at all",
        R"({"version": 2, "folder": ")" + folder + R"(", "operations": []})",
        R"({"version": 1, "folder": ")" + folder + R"(", "operations": [{"source": ")" + folder
            + R"(/a.jpg"}]})",
        R"({"version": 1, "folder": ")" + folder + R"(", "operations": [{"source": {"base64": "@@"},
            "destination": ")"
            + folder + R"(/Images/a.jpg"}]})",
        // A valid move followed by one that would pull a file in from elsewhere.
        R"({"version": 1, "folder": ")" + folder + R"(", "operations": [{"source": ")" + folder
            + R"(/a.jpg", "destination": ")" + folder + R"(/Images/a.jpg"}, {"source": ")" + folder
            + R"(/x.txt", "destination": ")" + folder + R"(/Others/../../)"
            + elsewhere.path().filename().string() + R"(/victim.txt"}]})",
        R"({"version": 1, "folder": ")" + folder + R"(", "operations": [{"source": ")"
            + (elsewhere / "victim.txt").string() + R"(", "destination": ")" + folder
            + R"(/Audio/b.mp3"}]})",
    };
    for (const std::string &journal : journals) {
        writeFile(journalFile(), journal);
        const CliResult result = run({ "undo" });
        EXPECT_EQ(result.exitCode, 1) << journal;
        EXPECT_TRUE(result.err.starts_with("Error: ")) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(describeDifference(organized, snapshotTree(m_folder.path())), "") << journal;
        EXPECT_EQ(readFile(elsewhere / "victim.txt"), "v");
        EXPECT_EQ(readFile(journalFile()), journal);
    }
}

TEST_F(CliEndToEndTest, CommandLineMistakesExitWithTwoAndShowUsage)
{
    const std::vector<std::vector<std::string>> mistakes {
        {},
        { "tidy" },
        { "preview" },
        { "organize" },
        { "organize", "a", "b" },
        { "preview", "--jsno", m_folder.path().string() },
        { "undo", "now" },
    };
    for (const auto &arguments : mistakes) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_TRUE(contains(result.err, "Usage: tidyra-cli")) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_TRUE(fs::is_empty(m_folder.path()));
}

TEST_F(CliEndToEndTest, HelpAndVersionAnswerOnStandardOutput)
{
    const CliResult help = run({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    for (const char *part :
        { "Usage: tidyra-cli", "preview", "organize", "undo", "base64", "XDG_STATE_HOME" })
        EXPECT_TRUE(contains(help.out, part)) << part;

    const CliResult previewHelp = run({ "preview", "--help" });
    EXPECT_EQ(previewHelp.exitCode, 0);
    EXPECT_TRUE(contains(previewHelp.out, "--json")) << previewHelp.out;

    const CliResult version = run({ "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tidyra-cli 0.1.0\n");
}

TEST_F(CliEndToEndTest, AFolderThatCannotBeListedIsAnError)
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
}

} // namespace
