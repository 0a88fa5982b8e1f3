#include "services/watching/PutBackNames.h"

#include "services/errors/EngineError.h"
#include "services/journal/JournalStore.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/RecordedRun.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

// The file an undo put back at a name, as its run recorded it.
struct PutBack
{
    std::size_t run = 0; // the run's place in the folder's runs, newest first
    bool inodesHold = false;
    JournalLines::Intent intent;

    bool isStill(const EntryInfo &info) const
    {
        if (info.type != EntryType::regular)
            return false;
        if (info.size != intent.size || info.modified != intent.modified)
            return false;
        return !inodesHold || info.identity.inode == intent.inode;
    }
};

} // namespace

std::unordered_set<std::string> PutBackNames::among(
    const OpenFolder &root, const fs::path &folder, const std::vector<std::string> &names) const
{
    std::unordered_set<std::string> left;
    FileSystem &fileSystem = m_journals.fileSystem();
    const std::vector<fs::path> runs
        = names.empty() ? std::vector<fs::path>() : m_journals.runsOf(root.identity, folder);
    // A run that came to its end and was never undone ends with its end line; any
    // other may have put files back.
    std::vector<bool> ended;
    for (const fs::path &run : runs)
        ended.push_back(RunRecord::tailOf(fileSystem, run) == RunRecord::Tail::ended);
    if (std::all_of(ended.begin(), ended.end(), [](bool yes) { return yes; }))
        return left;

    const auto read = [&](const fs::path &run) -> std::optional<RunRecord> {
        std::optional<RunRecord> record;
        try {
            record = RunRecord::read(fileSystem, run);
        } catch (const EngineError &) {
            return std::nullopt; // not a run of ours
        }
        if (record && !RecordedRun::belongsTo(record->header, root, folder))
            return std::nullopt;
        return record;
    };

    std::unordered_set<std::string> open(names.begin(), names.end());
    std::unordered_map<std::string, PutBack> putBack;
    for (std::size_t k = 0; k < runs.size() && !open.empty(); ++k) {
        if (ended[k])
            continue;
        std::optional<RunRecord> record = read(runs[k]);
        if (!record)
            continue;
        // Where the folder's device is another now, an inode number could name another
        // file: size and time must do.
        const bool inodesHold = record->header.stableInodes && root.stableInodes
            && record->header.folderIdentity.device == root.identity.device;
        for (std::size_t i = 0; i < record->intents.size(); ++i) {
            JournalLines::Intent &intent = record->intents[i];
            if (open.erase(intent.from) != 0 && record->states[i] == RunRecord::State::back) {
                std::string name = intent.from;
                putBack.emplace(std::move(name), PutBack { k, inodesHold, std::move(intent) });
            }
        }
    }
    std::size_t oldest = 0;
    for (auto entry = putBack.begin(); entry != putBack.end();) {
        EntryInfo info;
        if (fileSystem.statIn(root.handle.get(), entry->first, info) != 0
            || !entry->second.isStill(info)) {
            entry = putBack.erase(entry);
            continue;
        }
        oldest = std::max(oldest, entry->second.run);
        ++entry;
    }

    // A later run that moved such a name again, the user's own or one tidying a file
    // that was changed, took it from the undo: a file there now was put back by hand.
    for (std::size_t k = 0; k < oldest && !putBack.empty(); ++k) {
        if (!ended[k])
            continue;
        const std::optional<RunRecord> record = read(runs[k]);
        if (!record)
            continue;
        for (const JournalLines::Intent &intent : record->intents) {
            const auto found = putBack.find(intent.from);
            if (found != putBack.end() && found->second.run > k)
                putBack.erase(found);
        }
    }
    for (auto &[name, file] : putBack)
        left.insert(name);
    return left;
}
