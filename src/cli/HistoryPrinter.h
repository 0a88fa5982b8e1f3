#pragma once

#include "services/organizing/RunReports.h"

#include <filesystem>
#include <iosfwd>
#include <vector>

// How `tidyra-cli history` shows a folder's recorded runs, newest first.
namespace HistoryPrinter {

// A line a run: its id (what `undo --run` takes), when it started (UTC), who started
// it, how many files it moved and how many of those are still where it put them.
void writeText(std::ostream &out, const std::filesystem::path &folder,
    const std::vector<RunHistoryEntry> &runs);

// {"folder": PATH, "runs": [{"id", "started", "automatic", "moved", "undoable",
// "ended", "undone"}]}, the path as PathCodec writes it.
void writeJson(std::ostream &out, const std::filesystem::path &folder,
    const std::vector<RunHistoryEntry> &runs);

} // namespace HistoryPrinter
