#pragma once

#include "services/errors/ErrorMessage.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// How a caller steers a run or an undo while it works.
struct RunControl
{
    // Set from any thread (or a signal handler) to stop after the current move.
    const std::atomic<bool> *cancel = nullptr;
    // Called now and then with the moves done so far and the total.
    std::function<void(std::size_t done, std::size_t total)> progress;
    // Called by an undo with the name of each file it puts back.
    std::function<void(const std::string &name)> restored;

    bool isCancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

// Receives each move a run skips: the file's name (bytes) and why it was skipped.
using SkipReporter = std::function<void(const std::string &name, const ErrorMessage &description)>;

// Who started a run: the user, or the watch on a folder that tidies it automatically.
enum class RunOrigin : std::uint8_t { manual, automatic };

// What an organizing run did.
struct RunReport
{
    // The recorded run's id (see RunHistoryEntry), empty when nothing was recorded.
    std::string runId;
    std::size_t moved = 0;
    std::size_t skipped = 0; // each reported through the skip reporter
    bool cancelled = false;
    // Why the run stopped before its end (the journal could not be written), or empty.
    ErrorMessage stoppedBy;
};

// What an undo did.
struct UndoReport
{
    std::filesystem::path folder;
    std::size_t restored = 0;
    // Files the record had away that were at their old names already (put back by an
    // undo that could not record it): settled, not restored.
    std::size_t alreadyBack = 0;
    // Files that stay where the run put them, or are gone: name (bytes) and why.
    std::vector<std::pair<std::string, ErrorMessage>> notRestored;
    // Folders the run made that are empty but could not be removed: path below the
    // folder (bytes) and why. A later undo of the folder tries again.
    std::vector<std::pair<std::string, ErrorMessage>> foldersNotRemoved;
    // Why the journal could not record the undo's outcome, or empty. What was restored
    // is back all the same; the next undo finds it there.
    ErrorMessage recordNotUpdated;
    bool nothingToUndo = false;
    bool cancelled = false;
    // Folders the run made that stay, as files of later runs are in them.
    std::size_t foldersKept = 0;
};

// One recorded run of a folder, as its history lists it.
struct RunHistoryEntry
{
    std::string id; // stable: names the run for OrganizingService::undoRun and tidyra-cli
    std::string started; // ISO 8601, UTC
    RunOrigin origin = RunOrigin::manual;
    std::size_t moved = 0; // files the run moved
    std::size_t undoable = 0; // of those, still where the run put them
    bool ended = true; // false for a run that was killed
    bool undone = false; // an undo took it back whole
};

// One file of a recorded run, as the run's details list it.
struct RecordedMove
{
    enum class Where : std::uint8_t {
        inPlace, // still where the run put it: an undo of the run moves it back
        back, // put back by an undo
        elsewhere, // moved or gone since, or never moved by a run that was killed
    };
    std::string from; // its name directly in the folder (bytes)
    std::string to; // CATEGORY[/SUB]/NAME below the folder (bytes)
    Where where = Where::inPlace;
};
