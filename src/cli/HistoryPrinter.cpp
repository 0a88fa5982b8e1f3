#include "HistoryPrinter.h"

#include "model/Text.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/paths/PathCodec.h"

#include <ostream>

#include <nlohmann/json.hpp>

namespace HistoryPrinter {

void writeText(std::ostream &out, const std::filesystem::path &folder,
    const std::vector<RunHistoryEntry> &runs)
{
    const std::string name = ErrorDescriptions::inQuotes(folder.native());
    if (runs.empty()) {
        out << "No runs of " << name << " are recorded.\n";
        return;
    }
    out << "Runs of " << name << ", newest first:\n";
    for (const RunHistoryEntry &run : runs) {
        out << run.id << "  " << run.started << "  "
            << (run.origin == RunOrigin::automatic ? "automatic" : "manual   ") << "  "
            << Text::fileCount(run.moved) << " moved, ";
        if (run.undone)
            out << "undone";
        else
            out << run.undoable << " undoable";
        if (!run.ended)
            out << " (the run was interrupted)";
        out << '\n';
    }
}

void writeJson(std::ostream &out, const std::filesystem::path &folder,
    const std::vector<RunHistoryEntry> &runs)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const RunHistoryEntry &run : runs)
        list.push_back({ { "id", run.id }, { "started", run.started },
            { "automatic", run.origin == RunOrigin::automatic }, { "moved", run.moved },
            { "undoable", run.undoable }, { "ended", run.ended }, { "undone", run.undone } });
    const nlohmann::ordered_json document { { "folder", PathCodec::encode(folder) },
        { "runs", std::move(list) } };
    out << document.dump(2) << '\n';
}

} // namespace HistoryPrinter
