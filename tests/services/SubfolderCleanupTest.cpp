#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

using SubfolderCleanupTest = EngineTest;

TEST_F(SubfolderCleanupTest, RemovesOnlyEmptyFoldersNamedExactlyAfterACategory)
{
    for (FileCategory category : allCases)
        fs::create_directory(m_dir / std::string(rawValue(category)));
    // A user's own empty folders, some named almost like a category.
    for (const char *name : { "Empty Stuff", "3d models", "images", ".Images" })
        fs::create_directory(m_dir / name);
    writeFile(m_dir / "Documents/.hidden", "h");
    fs::create_directories(m_dir / "Videos/MP4"); // holds only an empty folder
    fs::create_symlink("nowhere", m_dir / "Fonts/link");
    fs::remove(m_dir / "Code");
    writeFile(m_dir / "Code", "a plain file named like a category");
    fs::remove(m_dir / "Design");
    fs::create_directory_symlink(m_dir / "Empty Stuff", m_dir / "Design");
    fs::remove(m_dir / "Archives");
    ASSERT_EQ(::mkfifo((m_dir / "Archives").c_str(), 0600), 0);

    m_service.removeEmptySubfolders(m_dir.path());
    EXPECT_EQ(namesIn(m_dir.path()),
        (Names { ".Images", "3d models", "Archives", "Code", "Design", "Documents", "Empty Stuff",
            "Fonts", "Videos", "images" }));
    EXPECT_EQ(readFile(m_dir / "Documents/.hidden"), "h");
    EXPECT_TRUE(isEmptyFolder(m_dir / "Videos/MP4"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "Design"));
    EXPECT_TRUE(isEmptyFolder(m_dir / "Empty Stuff"));
}

TEST_F(SubfolderCleanupTest, NeverFails)
{
    EXPECT_NO_THROW(m_service.removeEmptySubfolders(m_dir / "missing"));
    writeFile(m_dir / "file");
    EXPECT_NO_THROW(m_service.removeEmptySubfolders(m_dir / "file"));

    fs::create_directory(m_dir / "Images");
    for (Op operation : { Op::listFolder, Op::removeFolder }) {
        m_fileSystem->reset();
        m_fileSystem->failCall(operation, 0, EACCES);
        EXPECT_NO_THROW(m_service.removeEmptySubfolders(m_dir.path()));
        EXPECT_TRUE(isEmptyFolder(m_dir / "Images"));
    }
}

TEST_F(SubfolderCleanupTest, FileCreatedInAnEmptiedCategoryFolderBeforeItsRemovalSurvives)
{
    writeFile(m_dir / "a.jpg", "A");
    const auto executed = organize();
    // Between the clean-up's look at the folder and its removal.
    m_fileSystem->reset();
    m_fileSystem->beforeCall(
        Op::removeFolder, 1, [&] { writeFile(m_dir / "Images/late.jpg", "late"); });
    m_service.undoOperations(executed);
    EXPECT_EQ(m_fileSystem->callCount(Op::removeFolder), 1);
    EXPECT_EQ(readFile(m_dir / "a.jpg"), "A");
    EXPECT_EQ(readFile(m_dir / "Images/late.jpg"), "late");
}
