#include "EngineTestSupport.h"
#include "FaultInjectingFileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;
using Op = FaultInjectingFileSystem::Operation;
using Names = std::vector<std::string>;

TEST(SubfolderCleanupTest, RemovesOnlyEmptyFoldersNamedAfterACategory)
{
    TempDir dir;
    for (FileCategory category : allCases)
        fs::create_directory(dir / std::string(rawValue(category)));
    fs::create_directory(dir / "Empty Stuff");
    fs::create_directory(dir / "3d models"); // not exactly a category name
    fs::create_directory(dir / "images");
    fs::create_directory(dir / "threeDModels");
    fs::create_directory(dir / ".Images"); // hidden
    fs::create_directory(dir / ".cache");

    FileOrganizerService().removeEmptySubfolders(dir.path());
    EXPECT_EQ(namesIn(dir.path()),
        (Names { ".Images", ".cache", "3d models", "Empty Stuff", "images", "threeDModels" }));
}

TEST(SubfolderCleanupTest, KeepsFoldersWithAnythingInsideAndLooksOneLevelDeep)
{
    TempDir dir;
    writeFile(dir / "Documents/.hidden", "h");
    fs::create_directories(dir / "Videos/MP4"); // holds only an empty folder
    writeFile(dir / "Audio/song.mp3", "s");
    fs::create_directory(dir / "Fonts");
    fs::create_symlink("nowhere", dir / "Fonts/link");
    writeFile(dir / "Code", "a plain file named like a category");
    fs::create_directory(dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", dir / "Design"); // a link, not a folder
    ASSERT_EQ(::mkfifo((dir / "Archives").c_str(), 0600), 0);

    FileOrganizerService().removeEmptySubfolders(dir.path());
    EXPECT_EQ(readFile(dir / "Documents/.hidden"), "h");
    EXPECT_TRUE(isEmptyFolder(dir / "Videos/MP4"));
    EXPECT_EQ(readFile(dir / "Audio/song.mp3"), "s");
    EXPECT_TRUE(entryExists(dir / "Fonts/link"));
    EXPECT_EQ(readFile(dir / "Code"), "a plain file named like a category");
    EXPECT_TRUE(fs::is_symlink(dir / "Design"));
    EXPECT_TRUE(isEmptyFolder(dir / "elsewhere"));
    EXPECT_TRUE(entryExists(dir / "Archives"));
}

TEST(SubfolderCleanupTest, NeverFails)
{
    TempDir dir;
    FileOrganizerService service;
    EXPECT_NO_THROW(service.removeEmptySubfolders(dir / "missing"));
    writeFile(dir / "file");
    EXPECT_NO_THROW(service.removeEmptySubfolders(dir / "file"));

    fs::create_directory(dir / "Images");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    fileSystem->failCall(Op::listFolder, 0, EACCES);
    EXPECT_NO_THROW(FileOrganizerService(fileSystem).removeEmptySubfolders(dir.path()));
    EXPECT_TRUE(isEmptyFolder(dir / "Images"));

    fileSystem->reset();
    fileSystem->failCall(Op::removeFolder, 0, EBUSY);
    EXPECT_NO_THROW(FileOrganizerService(fileSystem).removeEmptySubfolders(dir.path()));
    EXPECT_TRUE(isEmptyFolder(dir / "Images"));
}

TEST(SubfolderCleanupTest, FileCreatedBetweenCheckAndRemovalSurvives)
{
    TempDir dir;
    fs::create_directory(dir / "Images");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    fileSystem->beforeCall(
        Op::removeFolder, 1, [&] { writeFile(dir / "Images/late.jpg", "late"); });
    FileOrganizerService(fileSystem).removeEmptySubfolders(dir.path());
    EXPECT_EQ(fileSystem->callCount(Op::removeFolder), 1);
    EXPECT_EQ(readFile(dir / "Images/late.jpg"), "late");
}

TEST(SubfolderCleanupTest, FileCreatedInAnEmptiedCategoryFolderDuringExecutionSurvives)
{
    TempDir dir;
    writeFile(dir / "photo.jpg");
    auto fileSystem = std::make_shared<FaultInjectingFileSystem>();
    FileOrganizerService service(fileSystem);
    service.setSkipReporter([](const std::string &, const std::string &) {});
    const OrganizationPlan plan = service.buildPlan(dir.path());
    fs::remove(dir / "photo.jpg"); // so the Images folder is empty after the run

    fileSystem->beforeCall(
        Op::removeFolder, 1, [&] { writeFile(dir / "Images/late.jpg", "late"); });
    EXPECT_TRUE(service.executePlan(plan).empty());
    EXPECT_EQ(readFile(dir / "Images/late.jpg"), "late");
}
