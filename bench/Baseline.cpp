#include "Baseline.h"

#include "model/FileCategory.h"

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <unordered_map>

namespace Baseline {

namespace {

std::unordered_map<std::string, std::size_t> extensionTable;
constexpr std::size_t othersIndex = static_cast<std::size_t>(FileCategory::others);

std::size_t categoryOf(std::string_view name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return othersIndex;
    std::string extension(name.substr(dot + 1));
    for (char &c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    const auto found = extensionTable.find(extension);
    return found == extensionTable.end() ? othersIndex : found->second;
}

std::string upperExtension(std::string_view name)
{
    const auto dot = name.rfind('.');
    std::string extension(dot == std::string_view::npos ? "" : name.substr(dot + 1));
    for (char &c : extension)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return extension;
}

// Whether renameat2(RENAME_NOREPLACE) answered EINVAL, as sshfs and other FUSE mounts do:
// then a share's floor is one existence check and one plain rename per file, the check
// left out where the plan has just made it.
bool noReplaceUnsupported = false;

long renameNoReplace(
    int fromFolder, const char *from, int toFolder, const char *to, bool checked = false)
{
    if (!noReplaceUnsupported) {
        const long result
            = ::syscall(SYS_renameat2, fromFolder, from, toFolder, to, RENAME_NOREPLACE);
        if (result == 0 || errno != EINVAL)
            return result;
        noReplaceUnsupported = true;
    }
    struct stat info;
    if (!checked && ::fstatat(toFolder, to, &info, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return ::renameat(fromFolder, from, toFolder, to);
}

} // namespace

void prepare()
{
    for (const FileCategory category : allCases) {
        for (const std::string_view extension : extensions(category))
            extensionTable.emplace(std::string(extension), static_cast<std::size_t>(category));
    }
}

Plan plan(const std::string &folder)
{
    Plan result;
    const int root = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0)
        return result;
    DIR *dir = ::fdopendir(::dup(root));
    struct File
    {
        std::string name;
        std::string group;
    };
    std::array<std::vector<File>, allCases.size()> byCategory;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' || entry->d_type != DT_REG)
            continue;
        byCategory[categoryOf(entry->d_name)].push_back(
            { entry->d_name, upperExtension(entry->d_name) });
    }
    ::closedir(dir);

    std::unordered_map<std::string, std::size_t> folderIndex;
    for (std::size_t category = 0; category < byCategory.size(); ++category) {
        const auto &files = byCategory[category];
        if (files.empty())
            continue;
        const std::string categoryFolder(rawValue(allCases[category]));
        bool grouped = false;
        for (const File &file : files)
            grouped = grouped || file.group != files.front().group;
        if (grouped) {
            result.folders.push_back(categoryFolder);
            folderIndex.emplace(categoryFolder, result.folders.size() - 1);
        }
        for (const File &file : files) {
            std::string destination = categoryFolder;
            if (grouped && !file.group.empty())
                destination += '/' + file.group;
            auto [found, inserted] = folderIndex.try_emplace(destination, result.folders.size());
            if (inserted)
                result.folders.push_back(destination);
            struct stat info;
            if (::fstatat(root, (destination + '/' + file.name).c_str(), &info, AT_SYMLINK_NOFOLLOW)
                == 0)
                ++result.taken;
            result.moves.push_back({ file.name, found->second });
        }
    }
    ::close(root);
    return result;
}

namespace {

std::vector<int> openFolders(int root, const Plan &plan, bool create)
{
    std::vector<int> folders;
    folders.reserve(plan.folders.size());
    for (const std::string &folder : plan.folders) {
        if (create)
            ::mkdirat(root, folder.c_str(), 0777);
        folders.push_back(::openat(root, folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    return folders;
}

} // namespace

std::size_t organize(const std::string &folder, const Plan &plan)
{
    const int root = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::vector<int> folders = openFolders(root, plan, true);
    std::size_t moved = 0;
    for (const Move &move : plan.moves) {
        if (renameNoReplace(root, move.name.c_str(), folders[move.folder], move.name.c_str(), true)
            == 0)
            ++moved;
    }
    for (const int fd : folders)
        ::close(fd);
    ::close(root);
    return moved;
}

std::size_t undo(const std::string &folder, const Plan &plan)
{
    const int root = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::vector<int> folders = openFolders(root, plan, false);
    std::size_t moved = 0;
    for (auto move = plan.moves.rbegin(); move != plan.moves.rend(); ++move) {
        if (renameNoReplace(folders[move->folder], move->name.c_str(), root, move->name.c_str())
            == 0)
            ++moved;
    }
    for (const int fd : folders)
        ::close(fd);
    ::close(root);
    return moved;
}

} // namespace Baseline
