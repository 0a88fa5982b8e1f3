#include "services/watching/WatchedFolder.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/PosixFileSystem.h"

WatchedFolder::WatchedFolder(std::filesystem::path folder, std::unique_ptr<ChangeSource> source,
    std::chrono::milliseconds settle)
    : m_folder(std::move(folder))
    , m_source(std::move(source))
    , m_tracker(settle)
{ }

void WatchedFolder::changed(const std::string &name, TimePoint now, bool endsWrite)
{
    // Hidden files are never organized: a program's scratch files would only add runs.
    if (!name.empty() && name.front() != '.')
        m_tracker.changed(name, now, endsWrite);
}

void WatchedFolder::changeAll(TimePoint now)
{
    PosixFileSystem disk;
    FileDescriptor root;
    std::vector<DirectoryEntry> entries;
    int error = disk.openFolder(m_folder, root);
    if (error == 0)
        error = disk.listFolder(root.get(), entries);
    if (error != 0)
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(m_folder, error));
    for (const DirectoryEntry &entry : entries) {
        if (entry.type == EntryType::regular)
            changed(entry.name, now);
    }
}

void WatchedFolder::readChanges(TimePoint now)
{
    std::vector<ChangeSource::Change> changes;
    bool overflowed = false;
    m_source->takeChanges(changes, overflowed);
    for (const ChangeSource::Change &change : changes)
        changed(change.name, now, change.endsWrite);
    if (overflowed)
        changeAll(now);
}

void WatchedFolder::retry(const std::vector<std::string> &names, TimePoint now)
{
    for (const std::string &name : names)
        changed(name, now);
}
