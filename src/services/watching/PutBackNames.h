#pragma once

#include "services/organizing/OpenFolder.h"

#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

class JournalStore;

// Which files directly in a folder an undo put back, as the folder's recorded runs
// tell: whichever program ran the undo, before or after a restart. Such a file stays
// where the undo put it while it is the same file, unchanged: the size and
// modification time its run recorded, and the inode where inode numbers hold. Once
// the user changes it, it is a new file like any other.
class PutBackNames
{
public:
    // `journals`: where the runs are recorded; the folder is looked at through its
    // file system too.
    explicit PutBackNames(const JournalStore &journals)
        : m_journals(journals)
    { }

    // Those of `names`, in `folder` (opened as `root`), that are still as an undo put
    // them back. The newest run that meant to move a name decides: its undo put the
    // file back, or it took the name for a file to tidy. Cheap when nothing was
    // undone: only the last line of each run is read; a run that came to its end and
    // was never undone is read only when it may have tidied a file put back before it.
    std::unordered_set<std::string> among(const OpenFolder &root,
        const std::filesystem::path &folder, const std::vector<std::string> &names) const;

private:
    const JournalStore &m_journals;
};
