#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/watching/ChangeSource.h"

#include <filesystem>

// The changes of one folder (not its sub-folders) as inotify reports them. Changes to
// sub-folders' own entries in the folder are left out: only files are ever organized.
class InotifyChangeSource : public ChangeSource
{
public:
    // Throws EngineError when the folder cannot be watched, saying why (the watch
    // limit included, and how to raise it).
    explicit InotifyChangeSource(const std::filesystem::path &folder);

    int readyHandle() const override { return m_inotify.get(); }
    void takeChanges(std::vector<Change> &changes, bool &overflowed) override;

private:
    std::filesystem::path m_folder;
    FileDescriptor m_inotify;
};
