// The engine reads plan paths as text wherever it can; these check that a folder
// named in other spellings (relative, trailing separator, dot components) still
// gives the same promises as the plain absolute path.

#include "FileOrganizerService.h"
#include "Fixtures.h"
#include "Invariants.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class WorkingDirectory
{
public:
    explicit WorkingDirectory(const fs::path &path)
        : m_previous(fs::current_path())
    {
        fs::current_path(path);
    }
    ~WorkingDirectory() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

TEST(PlanPathsTest, everySpellingOfTheFolderOrganizesAndUndoesTheSame)
{
    for (const Fixture &fixture : fixtures()) {
        // "as given" is the clean run every fault run is measured against: a broken
        // check shows there first and plainly.
        for (const std::string spelling : { "as given", "trailing", "dot", "relative", "dotdot" }) {
            SCOPED_TRACE(fixture.name + ", folder spelled " + spelling);
            Scene scene;
            fixture.build(scene);
            const TreeSnapshot before = snapshotTree(scene.folder());
            const TreeSnapshot outsideBefore = snapshotTree(scene.outside());
            WorkingDirectory inside(scene.folder().parent_path());
            fs::path folder = scene.folder();
            if (spelling == "trailing")
                folder = folder.string() + "/";
            else if (spelling == "dot")
                folder = folder / ".";
            else if (spelling == "relative")
                folder = "folder";
            else if (spelling == "dotdot")
                folder = scene.folder() / ".." / "folder";

            FileOrganizerService service;
            service.setSkipReporter([](const std::string &, const std::string &) {});
            const OrganizationPlan plan = service.buildPlan(folder);
            const auto executed = service.executePlan(plan);
            EXPECT_FALSE(executed.empty());
            EXPECT_EQ(Invariants::executedIsExact(plan, executed, before), "");
            EXPECT_EQ(Invariants::eachFileOnce(before, snapshotTree(scene.folder())), "");
            service.undoOperations(executed);
            EXPECT_EQ(Invariants::allUndone(executed, before), "");
            EXPECT_EQ(
                Invariants::sameTreeUpToEmptyFolders(before, snapshotTree(scene.folder())), "");
            EXPECT_EQ(describeDifference(outsideBefore, snapshotTree(scene.outside())), "");
        }
    }
}

} // namespace
