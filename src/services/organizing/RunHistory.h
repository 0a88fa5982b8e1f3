#pragma once

#include "services/journal/JournalStore.h"
#include "services/journal/RunDetails.h"
#include "services/organizing/RunReports.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the journal tells of a folder's recorded runs, and of where their files are
// now: only looks, and writes nothing.
class RunHistory
{
public:
    // `journals`: the journal's place, read through the file system the folder is
    // looked at through.
    explicit RunHistory(const JournalStore &journals)
        : m_journals(journals)
        , m_fileSystem(journals.fileSystem())
    { }

    // See OrganizingService, for each.
    std::vector<RunHistoryEntry> history(const std::filesystem::path &folder) const;
    std::vector<RecordedMove> runMoves(
        const std::filesystem::path &folder, const std::string &runId) const;
    std::string historyStamp(const std::filesystem::path &folder) const;
    bool canUndo(const std::filesystem::path &folder) const;
    std::optional<RunDetails> lastDetails(const std::filesystem::path &folder) const;

private:
    const JournalStore &m_journals;
    FileSystem &m_fileSystem;
};
