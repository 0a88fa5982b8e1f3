#include "CliTestSupport.h"

using namespace CliTest;

namespace {

TEST_F(CliEndToEndTest, PreviewLosesNothingAndOrganizeThenUndoGivesBackTheTree)
{
    fillFolder();
    const TreeSnapshot before = snapshotTree(m_folder.path());
    // Files without extension sit directly in "Others/", above its sub-folders; the
    // file that gets a numbered name shows it beside its present name.
    EXPECT_EQ(run({ "preview", m_folder.path().string() }).out,
        "8 files will be moved\n3D Models/\n  model.stl\nDocuments/\n  PDF/\n    report.pdf\n"
        "  TXT/\n    caf\xEF\xBF\xBD \xEF\xBF\xBD.txt\nImages/\n  JPG/\n    a.jpg → a (1).jpg\n"
        "  PNG/\n    b.png\nOthers/\n  README\n  notes.\n  QQQ/\n    x.qqq\n");

    const Json document = Json::parse(run({ "preview", "--json", m_folder.path().string() }).out);
    const fs::path folder = fs::canonical(m_folder.path());
    EXPECT_EQ(PathCodec::decode(document.at("folder")), folder);
    std::map<std::string, Json> bySource;
    for (const Json &operation : document.at("operations")) {
        const fs::path source = PathCodec::decode(operation.at("source"));
        const fs::path destination = PathCodec::decode(operation.at("destination"));
        EXPECT_EQ(source.parent_path(), folder);
        EXPECT_EQ(destination.lexically_relative(folder).begin()->native(),
            operation.at("category").get<std::string>());
        bySource[source.filename().native()] = operation;
    }
    EXPECT_EQ(bySource.size(), 8u);
    EXPECT_EQ(
        PathCodec::decode(bySource["a.jpg"].at("destination")), folder / "Images/JPG/a (1).jpg");
    EXPECT_TRUE(bySource["model.stl"].at("subGroup").is_null());
    EXPECT_EQ(bySource["README"].at("subGroup"), "");
    EXPECT_EQ(bySource["x.qqq"].at("subGroup"), "QQQ");
    // The name that is not UTF-8 travels in its lossless base64 form.
    EXPECT_EQ(PathCodec::decode(bySource[invalidUtf8Name].at("source")), folder / invalidUtf8Name);
    EXPECT_TRUE(bySource[invalidUtf8Name].at("source").contains("base64"));
    EXPECT_EQ(describeDifference(before, snapshotTree(m_folder.path())), "");
    EXPECT_FALSE(fs::exists(m_state / "tidyra"));

    // A relative folder: the journal must still lead back from anywhere.
    EXPECT_EQ(run({ "organize", "." }, m_folder.path()).out, "8 files organized.\n");
    EXPECT_EQ(readFile(m_folder / "Documents/TXT" / invalidUtf8Name), invalidUtf8Name);
    EXPECT_EQ(fs::status(m_state / "tidyra").permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(runFile()).permissions() & fs::perms::all,
        fs::perms::owner_read | fs::perms::owner_write);

    // A tidy folder is no new run: the journal still describes the first one.
    const std::string journal = readFile(runFile());
    EXPECT_EQ(run({ "organize", m_folder.path().string() }).out,
        "Nothing to organize — folder is already tidy.\n");
    EXPECT_EQ(run({ "preview", m_folder.path().string() }).out, "0 files will be moved\n");
    EXPECT_EQ(readFile(runFile()), journal);

    EXPECT_EQ(run({ "undo" }).out, "Undo complete — 8 files" + restoredIn());
    // Every folder the run made is gone again, sub-groups included.
    EXPECT_EQ(describeDifference(before, snapshotTree(m_folder.path())), "");
    EXPECT_EQ(run({ "undo" }).out, "Nothing to undo.\n");
}

// An "Images" link leading out of the folder is never followed: every image move is

// skipped and reported, with names that can neither forge a line nor reach the

// terminal raw. What undo cannot restore is named and kept for a later undo.

TEST_F(CliEndToEndTest, SkipsExitWithThreeAndWhatIsNotRestoredIsKeptForLater)
{
    const TempDir outside;
    fs::create_directory_symlink(outside.path(), m_folder / "Images");
    const std::string forged = "a\n[Tidyra] Skipped fake.jpg";
    for (const std::string &name : { forged, std::string("b\x1b]0;owned\x07.jpg"),
             std::string("c.pdf"), std::string("d.mp3") })
        writeFile(m_folder / name, name);

    // The preview promises only what can move, and names the rest with the reason.
    const CliResult preview = run({ "preview", m_folder.path().string() });
    const std::string reason = ": \"Images\" is a symbolic link, which Tidyra does not follow\n";
    EXPECT_EQ(preview.out,
        "2 files will be moved, 2 will be skipped\nAudio/\n  d.mp3\nDocuments/\n  c.pdf\n"
        "Will be skipped:\n  a\\n[Tidyra] Skipped fake.jpg"
            + reason + "  b\\x1B]0;owned\\x07.jpg" + reason);
    const Json skipped = Json::parse(run({ "preview", "--json", m_folder.path().string() }).out);
    EXPECT_EQ(skipped["operations"].size(), 4U);
    ASSERT_EQ(skipped["skipped"].size(), 2U);
    EXPECT_EQ(skipped["skipped"][1]["reason"], reason.substr(2, reason.size() - 3));
    const CliResult organized = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(organized.exitCode, 3) << organized.err;
    EXPECT_THAT(organized.out, HasSubstr("[Tidyra] Skipped a\\n[Tidyra] Skipped fake.jpg: "));
    EXPECT_THAT(organized.out, HasSubstr("[Tidyra] Skipped b\\x1B]0;owned\\x07.jpg: "));
    EXPECT_THAT(organized.out, EndsWith("\n2 files organized.\n"));
    EXPECT_EQ(std::count(organized.out.begin(), organized.out.end(), '\n'), 3) << organized.out;
    for (const std::string &printed : { preview.out, organized.out })
        EXPECT_EQ(printed.find_first_of("\x1b\x07"), std::string::npos) << printed;
    EXPECT_TRUE(fs::is_empty(outside.path()));

    // A run that moves nothing leaves the last run undoable.
    const CliResult again = run({ "organize", m_folder.path().string() });
    EXPECT_EQ(again.exitCode, 3);
    EXPECT_THAT(again.out, EndsWith("\n0 files organized.\n"));
    writeFile(m_folder / "c.pdf", "in the way");
    const CliResult failed = run({ "undo" });
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_THAT(failed.out,
        HasSubstr("[Tidyra] Not restored c.pdf: an item named \"c.pdf\" already exists"));
    EXPECT_THAT(failed.out, EndsWith(", 1 file not restored.\n"));
    EXPECT_EQ(readFile(m_folder / "c.pdf"), "in the way");
    EXPECT_EQ(readFile(m_folder / "d.mp3"), "d.mp3");
}

// Mistakes in the command line exit with 2 and say what is wrong in one line, then
// where the help is; other errors exit with 1, say why in one line, and move nothing.

TEST_F(CliEndToEndTest, MistakesAndErrorsExitWithTwoAndOne)
{
    for (const std::vector<std::string> &arguments : std::vector<std::vector<std::string>> { {},
             { "tidy" }, { "organize" }, { "organize", "a", "b" },
             { "preview", "--jsno", m_folder.path().string() }, { "undo", "a", "b" },
             { "undo", "--run", "" }, { "watch", "--settle", "abc", m_folder.path().string() },
             { "watch", "--settle", "0", m_folder.path().string() },
             { "watch", "--settle", "86401", m_folder.path().string() } }) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_THAT(result.err, StartsWith("Error: "));
        EXPECT_THAT(result.err, EndsWith("\nTry 'tidyra-cli --help'.\n"));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_THAT(run({ "tidy" }).err, HasSubstr("Error: unknown command \"tidy\""));
    EXPECT_THAT(run({ "undo", "--run", "" }).err, StartsWith("Error: --run: the run id is empty"));
    EXPECT_THAT(run({ "watch", "--settle", "abc", m_folder.path().string() }).err,
        StartsWith("Error: --settle: \"abc\" is not a whole number of seconds from 1 to 86400"));
    EXPECT_EQ(run({ "--help" }).exitCode, 0);
    for (const char *flag : { "--version", "-V", "-v" })
        EXPECT_EQ(run({ flag }).out, "tidyra-cli 0.1.0\n");

    writeFile(m_folder / "plain.txt", "x");
    for (const fs::path &folder : { m_folder / "gone\n\x1b[2Jx", m_folder / "plain.txt" }) {
        for (const char *command : { "preview", "organize" }) {
            const CliResult result = run({ command, folder.string() });
            EXPECT_EQ(result.exitCode, 1) << command;
            EXPECT_THAT(result.err, StartsWith("Error: "));
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
            EXPECT_THAT(result.err, HasSubstr(Text::displayText(folder.filename().native())));
            EXPECT_EQ(result.out, "");
        }
    }
    EXPECT_TRUE(runFile().empty());

    // Output that cannot be written is a failure, never a success.
    const std::string command = quoted(TIDYRA_CLI_PATH) + " preview --json "
        + quoted(m_folder.path()) + " >/dev/full 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);

    // No place for the journal is found out before anything moves.
    writeFile(m_state / "tidyra", "not a folder");
    EXPECT_EQ(run({ "organize", m_folder.path().string() }).exitCode, 1);
    EXPECT_EQ(readFile(m_folder / "plain.txt"), "x");
}

// A folder's history names each run by an id that undo --run takes back alone.

// Ctrl-C, and a reader that stops reading, end a preview quietly with 1. The output is

// larger than a pipe holds, so the program is still printing when either comes; Ctrl-C

// comes once the first bytes show it is past setting up.

TEST_F(CliEndToEndTest, APreviewStopsOnCtrlCAndWhenItsReaderGoes)
{
    for (int i = 0; i < 3000; ++i)
        writeFile(m_folder / (std::string(90, 'n') + std::to_string(i) + ".txt"));
    const std::string program = quoted(TIDYRA_CLI_PATH) + " preview " + quoted(m_folder.path())
        + " 2>" + quoted(m_capture / "err");
    const std::string status = "; echo $? >" + quoted(m_capture / "status");
    const std::string fifo = quoted(m_capture / "fifo");
    for (const std::string reader :
        { "head -c 1 >/dev/null; kill -INT $pid; cat >/dev/null", "head -c 1 >/dev/null" }) {
        const std::string command = "mkfifo " + fifo + " && { " + program + " >" + fifo
            + " & pid=$!; { " + reader + "; } <" + fifo + "; wait $pid" + status + "; rm " + fifo
            + "; }";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(readFile(m_capture / "status"), "1\n") << reader;
        EXPECT_EQ(readFile(m_capture / "err"),
            reader.find("kill") != std::string::npos
                ? "Interrupted: the preview stopped; nothing was changed.\n"
                : "");
    }
}

// A run that lasts (strace holds its first rename back 1.5 s) draws its progress line on
// a terminal, but not where TERM says the terminal cannot redraw a line.
TEST_F(CliEndToEndTest, TheProgressLineIsLeftOutOnADumbTerminal)
{
    if (std::system("command -v strace >/dev/null && command -v script >/dev/null") != 0)
        GTEST_SKIP() << "strace or script (util-linux) is not installed";
    writeFile(m_folder / "a.txt", "a");
    writeFile(m_folder / "b.txt", "b");
    for (const std::string terminal : { "xterm", "dumb" }) {
        const std::string organize = "strace -f -o /dev/null -e trace=renameat2 "
                                     "-e inject=renameat2:delay_enter=1500000:when=1 "
            + quoted(TIDYRA_CLI_PATH) + " organize " + quoted(m_folder.path());
        // LeakSanitizer cannot work under ptrace, which strace is.
        const std::string command = "ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" TERM=" + terminal
            + " XDG_STATE_HOME=" + quoted(m_state.path()) + " script -qec " + quoted(organize)
            + " /dev/null >" + quoted(m_capture / "terminal");
        ASSERT_EQ(std::system(command.c_str()), 0) << terminal;
        EXPECT_EQ(readFile(m_capture / "terminal").find("\033[K") != std::string::npos,
            terminal == "xterm")
            << terminal;
        ASSERT_EQ(run({ "undo", m_folder.path().string() }).exitCode, 0);
    }
}

TEST_F(CliEndToEndTest, AFolderDeeperThanPathMaxIsOrganizedAndUndone)
{
    // No call that takes the whole path reaches it, only calls relative to a handle; the
    // test's own go through the handle's short /proc path.
    fs::path deep = m_folder.path();
    int handle = ::open(deep.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; i < PATH_MAX / 200 + 2; ++i) {
        const std::string level(200, 'd');
        ::mkdirat(handle, level.c_str(), 0755);
        const int next = ::openat(handle, level.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(handle);
        handle = next;
        deep /= level;
    }
    ASSERT_GE(handle, 0);
    const fs::path near = "/proc/self/fd/" + std::to_string(handle);
    writeFile(near / "Images/a.jpg", "older");
    writeFile(near / "a.jpg", "new");
    writeFile(near / "b.pdf", "pdf");
    EXPECT_THAT(run({ "preview", deep.string() }).out, StartsWith("2 files will be moved\n"));
    EXPECT_EQ(run({ "organize", deep.string() }).exitCode, 0);
    EXPECT_EQ(readFile(near / "Images/a (1).jpg"), "new");
    EXPECT_EQ(readFile(near / "Documents/b.pdf"), "pdf");
    EXPECT_THAT(run({ "undo" }).out, StartsWith("Undo complete — 2 files restored in "));
    EXPECT_EQ(readFile(near / "a.jpg"), "new");
    EXPECT_EQ(readFile(near / "Images/a.jpg"), "older");
    EXPECT_FALSE(fs::exists(near / "Documents"));
    ::close(handle);
}

} // namespace

// The rules file in its default place, or the one named; a broken one moves nothing.
TEST_F(CliEndToEndTest, RulesDecideThePreviewTheRunAndTheirOwnListing)
{
    for (const char *name : { "a.epub", "b.torrent", "c.jpg" })
        writeFile(m_folder / name, name);
    const std::string folder = m_folder.path().string();
    const std::string rules = "[category.Ebooks]\nadd = [\"epub\"]\n[category.Images]\n"
                              "folder = \"Bilder\"\n[leave-alone]\nnames = [\"*.torrent\"]\n";
    writeFile(m_state / "config/tidyra/rules.toml", rules);
    const std::vector<std::string> config { "XDG_STATE_HOME=" + m_state.path().string(),
        "XDG_CONFIG_HOME=" + (m_state / "config").string() };
    EXPECT_EQ(runWith(config, { "preview", folder }).out,
        "2 files will be moved; 1 left alone by your rules\nBilder/\n  c.jpg\nEbooks/\n  a.epub\n");
    const Json plan = Json::parse(runWith(config, { "preview", "--json", folder }).out);
    EXPECT_EQ(plan["leftAlone"], 1);
    EXPECT_EQ(plan["operations"][0]["category"], "Images");
    const Json listed = Json::parse(runWith(config, { "rules", "--json" }).out);
    EXPECT_EQ(listed["file"], (m_state / "config/tidyra/rules.toml").string());
    EXPECT_EQ(listed["categories"][10]["extensions"], Json::array({ "epub" }));

    writeFile(m_state / "other.toml", "[category.Images]\nfolder = \"\"\n");
    const CliResult broken
        = run({ "organize", "--rules", (m_state / "other.toml").string(), folder });
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.err,
        "Error: " + (m_state / "other.toml").string()
            + ":2:10: the folder name of \"Images\" is empty\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.path()), {}), 3);
    EXPECT_EQ(run({ "preview", "--rules", (m_state / "none.toml").string(), folder }).err,
        "Error: cannot read the rules file \"" + (m_state / "none.toml").string()
            + "\": No such file or directory\n");
}
