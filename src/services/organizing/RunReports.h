#pragma once

#include <atomic>
#include <cstddef>
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

    bool isCancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

// What an organizing run did.
struct RunReport
{
    std::size_t moved = 0;
    std::size_t skipped = 0; // each reported through the skip reporter
    bool cancelled = false;
    // Why the run stopped before its end (the journal could not be written), or empty.
    std::string stoppedBy;
};

// What an undo did.
struct UndoReport
{
    std::filesystem::path folder;
    std::size_t restored = 0;
    // Files that stay where the run put them, or are gone: name (bytes) and why.
    std::vector<std::pair<std::string, std::string>> notRestored;
    bool nothingToUndo = false;
    bool cancelled = false;
};
