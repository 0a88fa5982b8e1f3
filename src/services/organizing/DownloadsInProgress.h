#pragma once

#include "services/filesystem/FileSystem.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Files that a browser or download tool is still writing, told by their names in
// one listing of a folder. Moving one would break the download, so they are never
// planned: partial files (".part", ".crdownload", ".partial", ".download",
// ".opdownload", ".!qB"), aria2's ".aria2" control files and the file each belongs
// to, and the empty placeholder a browser keeps at the final name beside its
// ".part" file. Suffixes match in any ASCII letter case: the tools write them in
// one case, and leaving alone a file that merely looks like a download does no harm.
class DownloadsInProgress
{
public:
    explicit DownloadsInProgress(const std::vector<DirectoryEntry> &entries);

    // A partial file, a control file, or the file a control file belongs to.
    bool isInProgress(const std::string &name) const;
    // Whether NAME.part is listed: then NAME, when empty, is the browser's placeholder.
    bool hasPartialFile(const std::string &name) const
    {
        return !m_partialOwners.empty() && m_partialOwners.count(name) != 0;
    }

private:
    std::unordered_set<std::string> m_controlledFiles;
    std::unordered_set<std::string> m_partialOwners;
};
