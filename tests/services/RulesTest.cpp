#include "EngineTestSupport.h"
#include "services/rules/RulesFile.h"
#include "services/rules/RulesText.h"

#include <ctime>

namespace {

class RulesTest : public EngineTest
{
protected:
    fs::path rulesPath() const { return m_state / "rules.toml"; }
    RulesFile file() const { return RulesFile(*m_fileSystem, rulesPath()); }
    OrganizationPlan planBy(const std::string &rules)
    {
        writeFile(rulesPath(), rules);
        return m_service.buildPlan(m_dir.path(), *file().current());
    }
    std::string faultOf(const std::string &rules)
    {
        writeFile(rulesPath(), rules);
        const std::string what = errorFrom([&] { file().current(); }).what();
        const std::string prefix = rulesPath().string() + ":";
        return what.starts_with(prefix) ? what.substr(prefix.size()) : what;
    }
};

TEST_F(RulesTest, EachRuleDecidesWhereAFileGoesOrThatItStays)
{
    struct Case
    {
        std::string rules;
        std::vector<std::pair<std::string, std::string>> files; // name, destination ("" stays)
    };
    const std::vector<Case> cases {
        { "[category.images]\nadd = [\"avif\", \"PDF\"]\nfolder = \"Pictures\"\nsubfolders = false",
            { { "a.jpg", "Pictures/a.jpg" }, { "b.png", "Pictures/b.png" },
                { "c.avif", "Pictures/c.avif" }, { "d.pdf", "Pictures/d.pdf" },
                { "e.docx", "Documents/e.docx" } } },
        { "[category.Ebooks]\nadd = [\".epub\", \"mobi\"]\n[category.Others]\nadd = [\"md\"]",
            { { "x.epub", "Ebooks/EPUB/x.epub" }, { "y.MOBI", "Ebooks/MOBI/y.MOBI" },
                { "n.md", "Others/n.md" }, { "z.txt", "Documents/z.txt" } } },
        { "[leave-alone]\nnames = [\"*.torrent\", \"invoice *\", \"\xc3\xa4?fel*\"]",
            { { "a.TORRENT", "" }, { "Invoice 3.pdf", "" }, { "\xc3\x84pfel.txt", "" },
                { "Invoice.pdf", "Documents/Invoice.pdf" } } },
        { "[leave-alone]\nnewer-than = \"2d\"",
            { { "new.txt", "" }, { "old.txt", "Documents/old.txt" } } },
    };
    for (const Case &example : cases) {
        fs::remove_all(m_dir.path());
        fs::create_directory(m_dir.path());
        std::size_t staying = 0;
        for (const auto &[name, destination] : example.files) {
            writeFile(m_dir / name);
            staying += destination.empty() ? 1 : 0;
        }
        if (fs::exists(m_dir / "old.txt"))
            fs::last_write_time(
                m_dir / "old.txt", fs::last_write_time(m_dir / "old.txt") - std::chrono::hours(49));
        const OrganizationPlan plan = planBy(example.rules);
        EXPECT_EQ(plan.leftAlone, staying) << example.rules;
        EXPECT_EQ(plan.moves.size() + staying, example.files.size()) << example.rules;
        for (const auto &[name, destination] : example.files) {
            if (!destination.empty()) {
                EXPECT_EQ(targetOf(plan, name), destination) << example.rules;
            }
        }
    }
}

TEST_F(RulesTest, EachFaultIsNamedWithItsLineAndColumn)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "[category.Images\n",
            "1:17: this is not valid TOML: Error while parsing table header: "
            "expected ']', saw '\\n'" },
        { "\n[category.Images]\nfoldr = 1", "3:1: unknown key \"category.Images.foldr\"" },
        { "[leave-alone]\nnames = [\"a\", 2]",
            "2:15: \"leave-alone.names\" must be a list of texts in quotes" },
        { "[category.X]\nfolder = 1", "2:10: \"category.X.folder\" must be a text in quotes" },
        { "[category.X]\nsubfolders = \"no\"",
            "2:14: \"category.X.subfolders\" must be true or false" },
        { "category = 1", "1:12: \"category\" must be a table" },
        { "[category.Images]\nadd = [\"pdf\"]\n[category.Docs]\nadd = [\"x\", \"PDF\"]",
            "4:13: the extension \"pdf\" is added to both \"Images\" and \"Docs\"" },
        { "[category.X]\nadd = [\"tar.gz\"]",
            "2:8: \"tar.gz\" is not an extension: write it "
            "without dots, like \"pdf\"" },
        { "[category.images]\n[category.Images]", "2:11: the category \"Images\" is named twice" },
        { "[category.X]\nfolder = \"\"", "2:10: the folder name of \"X\" is empty" },
        { "[category.X]\nfolder = \"..\"", "2:10: the folder name of \"X\" cannot be \"..\"" },
        { "[category.\"a/b\"]",
            "1:11: the folder name \"a/b\" of \"a/b\" holds \"/\" or a NUL byte" },
        { "[category.X]\nfolder = \".x\"",
            "2:10: the folder name \".x\" of \"X\" starts with a dot, which would hide the "
            "folder" },
        { "[category.X]\nfolder = \"" + std::string(256, 'x') + "\"",
            "2:10: the folder name of \"X\" is longer than 255 bytes" },
        { "[category.Audio]\nfolder = \"documents\"",
            "2:10: \"Documents\" and \"Audio\" both use the folder \"documents\"" },
        { "[leave-alone]\nnames = [\"ok\", \"[ab\"]",
            "2:16: \"[ab\" is not a name pattern: it is "
            "empty, holds \"/\", leaves a \"[\" open or ends in \"\\\"" },
        { "[leave-alone]\nnewer-than = \"-2d\"",
            "2:14: \"-2d\" is not a duration like \"30m\", \"12h\" or \"2d\"" },
        { "[category.X]\nsymbol = \"Nope\"",
            "2:10: \"Nope\" is not a built-in category whose symbol can be borrowed" },
        { "[category.X]\ncolor = \"Blue\"",
            "2:9: \"Blue\" is not a colour: use purple, blue, orange, "
            "pink, green, brown, red, indigo, teal, cyan or gray" },
    };
    for (const auto &[rules, fault] : cases)
        EXPECT_EQ(faultOf(rules), fault) << rules;
    fs::remove(rulesPath());
    fs::create_directory(rulesPath());
    EXPECT_EQ(errorFrom([&] { file().current(); }).message().kind, ErrorKind::rulesUnreadable);
}

TEST_F(RulesTest, TheFileIsReadAgainOnlyWhenItChangedAndWrittenBackAsItWasRead)
{
    RulesFile rules = file();
    EXPECT_EQ(rules.current(), SortingRules::builtIn()); // missing
    writeFile(rulesPath(), "# nothing yet\n");
    EXPECT_EQ(rules.current(), SortingRules::builtIn());
    writeFile(rulesPath(), "[category.Books]\nadd = [\"epub\"]\n");
    const auto books = rules.current();
    EXPECT_EQ(books->categories()[books->categoryFor("EPUB")].label.folder, "Books");
    EXPECT_EQ(rules.current(), books);
    // Kept as a link, as dotfile managers keep it: read through it, and again when the
    // file it leads to changes.
    const fs::path kept = m_state / "dotfiles.toml";
    fs::rename(rulesPath(), kept);
    fs::create_symlink(kept, rulesPath());
    writeFile(kept, "[category.Books]\nadd = [\"epub\"]\nfolder = \"Reading\"\n");
    EXPECT_EQ(rules.current()->categories()[books->categoryFor("epub")].label.folder, "Reading");
    fs::remove(rulesPath());
    writeFile(rulesPath(), "[category.Books]\nadd = [\"epub\"]\nfolder = \"\"\n");
    for (int time = 0; time < 2; ++time)
        EXPECT_EQ(errorFrom([&] { rules.current(); }).code(), EngineCondition::rulesInvalid);
    EXPECT_THROW(rules.save(rules.readDocument()), EngineError);
    EXPECT_EQ(rules.setAside(), m_state / "rules.toml.invalid");
    EXPECT_EQ(rules.current(), SortingRules::builtIn());

    RulesDocument document;
    document.categories.push_back({ "Books \"\\\x01", { "epub", "mobi" },
        "B\xc3\xbc"
        "cher",
        false, "Documents", "teal" });
    document.leaveAloneNames = { "*.torrent" };
    document.newerThan = "12h";
    rules.save(document);
    EXPECT_EQ(rules.readDocument(), document);
    EXPECT_EQ(rules.current()->categories()[10].label.color, NamedColor::teal);
    writeFile(rulesPath(), "x");
    EXPECT_EQ(rules.setAside(), m_state / "rules.toml.invalid (1)");
}

TEST_F(RulesTest, ARunByOwnRulesIsUndoneLikeAnyOther)
{
    writeFiles(m_dir.path(), { "a.jpg", "b.epub", "c.mobi", "d.pdf", "keep.torrent" });
    const TreeSnapshot before = snapshotTree(m_dir.path());
    const OrganizationPlan plan = planBy("[category.Images]\nfolder = \"Bilder\"\n"
                                         "[category.Ebooks]\nadd = [\"epub\", \"mobi\"]\n"
                                         "[leave-alone]\nnames = [\"*.torrent\"]");
    EXPECT_EQ(m_service.organize(plan).moved, 4u);
    EXPECT_EQ(namesIn(m_dir.path()), (Names { "Bilder", "Documents", "Ebooks", "keep.torrent" }));
    EXPECT_TRUE(fs::exists(m_dir / "Ebooks/MOBI/c.mobi"));
    EXPECT_EQ(undo().restored, 4u);
    EXPECT_EQ(describeDifference(before, snapshotTree(m_dir.path())), "");
}

} // namespace
