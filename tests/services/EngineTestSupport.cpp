#include "EngineTestSupport.h"

#include <algorithm>
#include <stdexcept>
#include <sys/stat.h>

void SkipLog::attachTo(FileOrganizerService &service)
{
    service.setSkipReporter([this](const std::string &name, const std::string &description) {
        m_entries.emplace_back(name, description);
    });
}

std::vector<std::string> SkipLog::names() const
{
    std::vector<std::string> result;
    for (const auto &entry : m_entries)
        result.push_back(entry.first);
    return result;
}

bool entryExists(const std::filesystem::path &path)
{
    struct stat info
    {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

unsigned linkCount(const std::filesystem::path &path)
{
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0)
        return 0;
    return static_cast<unsigned>(info.st_nlink);
}

bool isEmptyFolder(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, error))
        && std::filesystem::is_empty(path, error);
}

const FileMoveOperation *moveOf(const OrganizationPlan &plan, const std::string &name)
{
    for (const FileMoveOperation &operation : plan.operations) {
        if (operation.sourceURL.filename().string() == name)
            return &operation;
    }
    return nullptr;
}

const FileMoveOperation &requireMove(const OrganizationPlan &plan, const std::string &name)
{
    const FileMoveOperation *operation = moveOf(plan, name);
    if (!operation)
        throw std::runtime_error("no move planned for " + name);
    return *operation;
}

std::string relativePath(const std::filesystem::path &folder, const std::filesystem::path &path)
{
    return path.lexically_relative(folder).string();
}

std::vector<std::string> idsOf(const std::vector<FileMoveOperation> &operations)
{
    std::vector<std::string> ids;
    for (const FileMoveOperation &operation : operations)
        ids.push_back(operation.id.toString());
    return ids;
}

std::vector<std::string> namesIn(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
