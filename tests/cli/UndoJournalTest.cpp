#include "UndoJournal.h"

#include "TempDir.h"

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

UndoRecord recordOf(const fs::path &folder, std::initializer_list<const char *> names)
{
    UndoRecord record { folder, {} };
    for (const char *name : names) {
        FileMoveOperation operation;
        operation.sourceURL = folder / name;
        operation.destinationURL = folder / "Others" / name;
        record.operations.push_back(operation);
    }
    return record;
}

std::vector<std::string> namesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned modeOf(const fs::path &path)
{
    struct stat info
    {
    };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

class UndoJournalTest : public ::testing::Test
{
protected:
    TempDir m_dir;
    fs::path m_file = m_dir / "state" / "tidyra" / "undo-journal.json";
    UndoJournal m_journal { m_file };
};

TEST_F(UndoJournalTest, SavesAndLoadsInPrivateFolders)
{
    EXPECT_FALSE(m_journal.load().has_value());
    const UndoRecord record = recordOf("/data/in\xFF", { "b", "a", "c" });
    m_journal.save(record);

    EXPECT_EQ(modeOf(m_dir / "state") & 077, 0u);
    EXPECT_EQ(modeOf(m_file.parent_path()) & 077, 0u);
    EXPECT_EQ(modeOf(m_file), 0600u);
    const std::optional<UndoRecord> read = m_journal.load();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->folderURL, record.folderURL);
    ASSERT_EQ(read->operations.size(), 3u);
    EXPECT_EQ(read->operations[0].sourceURL, record.operations[0].sourceURL);
    EXPECT_EQ(read->operations[2].destinationURL, record.operations[2].destinationURL);
}

TEST_F(UndoJournalTest, ReplacesByRenameAndLeavesNoTemporaryFiles)
{
    m_journal.save(recordOf("/data", { "old.txt" }));
    // A second name for the old file shows whether it was rewritten in place
    // (a reader would then see a half-written file) or replaced whole.
    const fs::path oldCopy = m_dir / "old-journal";
    ASSERT_EQ(::link(m_file.c_str(), oldCopy.c_str()), 0);
    const std::string oldContent = readFile(m_file);

    m_journal.save(recordOf("/data", { "new.txt" }));

    EXPECT_EQ(readFile(oldCopy), oldContent);
    EXPECT_EQ(m_journal.load()->operations.at(0).sourceURL, "/data/new.txt");
    EXPECT_EQ(namesIn(m_file.parent_path()), std::vector<std::string> { "undo-journal.json" });
}

TEST_F(UndoJournalTest, EmptiedJournalsHoldNothingToUndo)
{
    m_journal.save(recordOf("/data", { "a.txt" }));
    m_journal.save(recordOf("/data", {}));
    ASSERT_TRUE(m_journal.load().has_value());
    EXPECT_TRUE(m_journal.load()->operations.empty());

    m_journal.discard();
    EXPECT_FALSE(fs::exists(m_file));
    EXPECT_FALSE(m_journal.load().has_value());
    EXPECT_NO_THROW(m_journal.discard());

    // Emptied by hand.
    writeFile(m_file, " \n");
    EXPECT_FALSE(m_journal.load().has_value());
}

TEST_F(UndoJournalTest, ADamagedJournalIsRefusedWithItsPathAndLeftInPlace)
{
    for (const std::string &content : { std::string("{\"version\":1,"), std::string("\xFF\xFE"),
             std::string(
                 "{\"version\":1,\"folder\":\"/data\",\"operations\":[{\"source\":\"/etc/x\","
                 "\"destination\":\"/data/Others/x\"}]}") }) {
        writeFile(m_file, content);
        try {
            m_journal.load();
            ADD_FAILURE() << "accepted: " << content;
        } catch (const std::runtime_error &error) {
            EXPECT_NE(std::string(error.what()).find(m_file.string()), std::string::npos)
                << error.what();
            EXPECT_EQ(std::string(error.what()).find("[json.exception"), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(readFile(m_file), content);
    }
}

TEST_F(UndoJournalTest, AFolderBlockedByAFileFailsBeforeAnythingIsWritten)
{
    writeFile(m_dir / "state" / "tidyra", "not a folder");
    EXPECT_THROW(m_journal.prepare(), std::runtime_error);
    EXPECT_ANY_THROW(m_journal.save(recordOf("/data", { "a.txt" })));
    EXPECT_EQ(readFile(m_dir / "state" / "tidyra"), "not a folder");
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment
{
public:
    void set(const char *name, const char *value)
    {
        const char *old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(UndoJournalLocationTest, FollowsTheXdgStateDirectoryRules)
{
    ScopedEnvironment environment;
    environment.set("HOME", "/home/ana");
    environment.set("XDG_STATE_HOME", "/var/state");
    EXPECT_EQ(UndoJournal::defaultFile(), "/var/state/tidyra/undo-journal.json");
    // Relative values are to be ignored, like an unset one.
    environment.set("XDG_STATE_HOME", "state");
    EXPECT_EQ(UndoJournal::defaultFile(), "/home/ana/.local/state/tidyra/undo-journal.json");
    environment.set("XDG_STATE_HOME", nullptr);
    EXPECT_EQ(UndoJournal::defaultFile(), "/home/ana/.local/state/tidyra/undo-journal.json");
    environment.set("HOME", nullptr);
    EXPECT_THROW(UndoJournal::defaultFile(), std::runtime_error);
}

} // namespace
