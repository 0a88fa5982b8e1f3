// The journal seen from the terminal: what is trusted, where it lives, the history.
#include "CliTestSupport.h"

using namespace CliTest;

namespace {

TEST_F(CliEndToEndTest, AJournalThatCannotBeTrustedMovesNothing)
{
    writeFile(m_folder / "a.jpg", "a");
    ASSERT_EQ(run({ "organize", m_folder.path().string() }).exitCode, 0);
    const TreeSnapshot organized = snapshotTree(m_folder.path());
    const std::string header = readFile(runFile()).substr(0, readFile(runFile()).find('\n') + 1);
    // No header, or one of another format (without "inodes", as none is written any
    // more). Forged lines are no lines at all: JournalLinesTest.
    std::string otherFormat = header;
    const std::size_t inodes = otherFormat.find(R"(,"inodes":)");
    otherFormat.erase(inodes, otherFormat.find('"', inodes + 11) + 1 - inodes);
    for (const std::string &journal : { std::string("not json at all"), otherFormat }) {
        writeFile(runFile(), journal);
        const CliResult result = run({ "undo" });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_THAT(result.out + result.err, HasSubstr(runFile().string()));
        EXPECT_EQ(readFile(runFile()), journal);
        EXPECT_EQ(describeDifference(organized, snapshotTree(m_folder.path())), "") << journal;
    }
}

TEST_F(CliEndToEndTest, HistoryListsRunsAndUndoTakesOneBackByItsId)
{
    const std::string folder = m_folder.path().string();
    EXPECT_THAT(run({ "history", folder }).out, StartsWith("No runs of "));
    for (const char *name : { "a.jpg", "b.pdf" }) {
        writeFile(m_folder / name, name);
        ASSERT_EQ(run({ "organize", folder }).exitCode, 0);
    }
    const CliResult listed = run({ "history", "--json", folder });
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const Json runs = Json::parse(listed.out).at("runs");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].at("undoable"), 1);
    EXPECT_EQ(runs[1].at("automatic"), false);

    const CliResult undone = run({ "undo", "--run", runs[1].at("id"), folder });
    EXPECT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(undone.out, "Undo complete — 1 file" + restoredIn());
    EXPECT_EQ(readFile(m_folder / "a.jpg"), "a.jpg");
    EXPECT_EQ(readFile(m_folder / "Documents/b.pdf"), "b.pdf");

    const CliResult unknown = run({ "undo", "--run", "nope", folder });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_THAT(unknown.err, StartsWith("Undo failed: no run \"nope\" is recorded"));
}

// The counts a user reads are what happened: a killed run's moves that no mark reached
// the disk for, and files an undo put back without managing to record it.
TEST_F(CliEndToEndTest, HistoryAndUndoCountWhatHappened)
{
    const std::string folder = m_folder.path().string();
    for (const char *name : { "a.jpg", "b.jpg", "c.jpg" })
        writeFile(m_folder / name, name);
    ASSERT_EQ(run({ "organize", folder }).exitCode, 0);
    const std::string organized = readFile(runFile());
    writeFile(runFile(), organized.substr(0, organized.find("{\"d\":")));
    EXPECT_THAT(run({ "history", folder }).out,
        HasSubstr("  3 files moved, 3 undoable (the run was interrupted)\n"));

    writeFile(runFile(), organized);
    ASSERT_EQ(run({ "undo", folder }).out, "Undo complete — 3 files" + restoredIn());
    writeFile(runFile(), organized);
    const CliResult again = run({ "undo", folder });
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out,
        "Undo complete — 0 files restored in \"" + fs::canonical(m_folder.path()).string()
            + "\", 3 files back already.\n");
    EXPECT_THAT(run({ "history", folder }).out, HasSubstr("  3 files moved, undone\n"));
    EXPECT_EQ(run({ "undo", folder }).out, "Nothing to undo.\n");
}

TEST_F(CliEndToEndTest, TheJournalFollowsTheXdgStateRules)
{
    writeFile(m_folder / "song.mp3", "la");
    // A relative XDG_STATE_HOME is ignored, like an unset one.
    const std::vector<std::string> relative { "HOME=" + m_state.path().string(),
        "XDG_STATE_HOME=state" };
    EXPECT_EQ(runWith(relative, { "organize", m_folder.path().string() }).exitCode, 0);
    EXPECT_FALSE(fs::is_empty(m_state / ".local/state/tidyra/runs"));
    EXPECT_EQ(runWith({ relative[0] }, { "undo" }).out, "Undo complete — 1 file" + restoredIn());

    EXPECT_EQ(
        runWith({ "XDG_STATE_HOME=state" }, { "organize", m_folder.path().string() }).exitCode, 1);
    EXPECT_EQ(readFile(m_folder / "song.mp3"), "la");
}

} // namespace
