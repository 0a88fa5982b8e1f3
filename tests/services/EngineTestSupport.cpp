#include "EngineTestSupport.h"

#include <algorithm>
#include <stdexcept>

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

EngineTest::EngineTest()
    : m_fileSystem(std::make_shared<FaultInjectingFileSystem>())
    , m_service(m_fileSystem)
{
    m_skips.attachTo(m_service);
}

void writeFiles(const std::filesystem::path &folder, std::initializer_list<std::string> names)
{
    for (const std::string &name : names)
        writeFile(folder / name, name);
}

FileSystemError errorFrom(const std::function<void()> &action)
{
    try {
        action();
    } catch (const FileSystemError &error) {
        return error;
    }
    ADD_FAILURE() << "no FileSystemError thrown";
    return FileSystemError(0, {});
}

bool entryExists(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

unsigned linkCount(const std::filesystem::path &path)
{
    std::error_code error;
    return static_cast<unsigned>(std::filesystem::hard_link_count(path, error));
}

bool isEmptyFolder(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::symlink_status(path, error))
        && std::filesystem::is_empty(path, error);
}

const FileMoveOperation &requireMove(const OrganizationPlan &plan, const std::string &name)
{
    for (const FileMoveOperation &operation : plan.operations) {
        if (operation.sourceURL.filename().string() == name)
            return operation;
    }
    throw std::runtime_error("no move planned for " + name);
}

Target targetOf(const OrganizationPlan &plan, const std::string &name)
{
    const FileMoveOperation &operation = requireMove(plan, name);
    return { operation.destinationURL.lexically_relative(plan.folderURL).string(),
        operation.subGroup };
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
