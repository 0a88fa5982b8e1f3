#include "Interferer.h"

#include "FileCategory.h"
#include "RandomFolder.h"
#include "TempDir.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool entryExists(const fs::path &path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

// The other program never overwrites either, so that every change stays countable.
bool renameNoReplace(const fs::path &from, const fs::path &to)
{
    return ::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE)
        == 0;
}

} // namespace

Interferer::Interferer(Scene &scene, std::mt19937_64 &random, fs::path outsideTarget)
    : m_scene(scene)
    , m_random(random)
    , m_outsideTarget(std::move(outsideTarget))
{ }

std::string Interferer::logText() const
{
    std::string text;
    for (const std::string &line : m_log)
        text += "  " + line + '\n';
    return text;
}

void Interferer::act(const std::string &when)
{
    m_log.push_back(when + ":");
    switch (pick(m_random, 6)) {
    case 0:
        createFile();
        break;
    case 1:
        deleteFile();
        break;
    case 2:
        renameFile();
        break;
    case 3:
        swapFolderForLink();
        break;
    case 4:
        takeCategoryName();
        break;
    default:
        removeEmptyFolder();
        break;
    }
}

std::vector<fs::path> Interferer::regularFiles() const
{
    std::vector<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(m_scene.folder())) {
        if (entry.is_regular_file() && !entry.is_symlink())
            files.push_back(entry.path());
    }
    return files;
}

std::vector<fs::path> Interferer::realFolders() const
{
    std::vector<fs::path> folders { m_scene.folder() };
    for (const auto &entry : fs::recursive_directory_iterator(m_scene.folder())) {
        if (entry.is_directory() && !entry.is_symlink())
            folders.push_back(entry.path());
    }
    return folders;
}

// Often a name that is about to be used, so that the change gets in the engine's way.
std::string Interferer::nameInFolder()
{
    const auto files = regularFiles();
    if (!files.empty() && chance(m_random, 0.6))
        return files[pick(m_random, files.size())].filename().native();
    return randomFileName(m_random);
}

void Interferer::createFile()
{
    const auto folders = realFolders();
    const fs::path path = folders[pick(m_random, folders.size())] / nameInFolder();
    if (entryExists(path))
        return;
    const std::string content = m_scene.uniqueContent("created by another program");
    writeFile(path, content);
    m_expected.insert(content);
    m_log.push_back("created " + path.lexically_relative(m_scene.folder()).string());
}

void Interferer::deleteFile()
{
    const auto files = regularFiles();
    if (files.empty())
        return;
    const fs::path path = files[pick(m_random, files.size())];
    const std::string content = readFile(path);
    if (::unlink(path.c_str()) != 0)
        return;
    m_expected.erase(m_expected.find(content));
    m_log.push_back("deleted " + path.lexically_relative(m_scene.folder()).string());
}

void Interferer::renameFile()
{
    const auto files = regularFiles();
    const auto folders = realFolders();
    if (files.empty())
        return;
    const fs::path from = files[pick(m_random, files.size())];
    const fs::path to = folders[pick(m_random, folders.size())] / nameInFolder();
    if (renameNoReplace(from, to))
        m_log.push_back("renamed " + from.lexically_relative(m_scene.folder()).string() + " to "
            + to.lexically_relative(m_scene.folder()).string());
}

void Interferer::swapFolderForLink()
{
    auto folders = realFolders();
    folders.erase(folders.begin()); // never the chosen folder itself
    if (folders.empty())
        return;
    const fs::path folder = folders[pick(m_random, folders.size())];
    // Moved aside within the folder, so that what it holds stays inside.
    const fs::path aside = m_scene.folder() / (".swapped-" + std::to_string(++m_swaps));
    if (!renameNoReplace(folder, aside))
        return;
    fs::create_symlink(m_outsideTarget, folder);
    m_log.push_back("swapped " + folder.lexically_relative(m_scene.folder()).string()
        + " for a link to outside");
}

void Interferer::takeCategoryName()
{
    const std::string name(rawValue(allCases[pick(m_random, allCases.size())]));
    const fs::path path = m_scene.folder() / name;
    if (entryExists(path))
        return;
    const std::string content = m_scene.uniqueContent("a file named " + name);
    writeFile(path, content);
    m_expected.insert(content);
    m_log.push_back("created the file " + name);
}

void Interferer::removeEmptyFolder()
{
    auto folders = realFolders();
    folders.erase(folders.begin());
    if (folders.empty())
        return;
    const fs::path folder = folders[pick(m_random, folders.size())];
    if (::rmdir(folder.c_str()) == 0)
        m_log.push_back(
            "removed the empty folder " + folder.lexically_relative(m_scene.folder()).string());
}
