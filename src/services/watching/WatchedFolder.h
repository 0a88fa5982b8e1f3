#pragma once

#include "services/watching/ChangeSource.h"
#include "services/watching/SettleTracker.h"

#include <filesystem>
#include <memory>

// One folder under watch: its changes, fed to a settle tracker. What the app's watch
// and tidyra-cli's watch loop share; they wait on readyHandle() and nextDeadline().
class WatchedFolder
{
public:
    using TimePoint = SettleTracker::TimePoint;

    WatchedFolder(std::filesystem::path folder, std::unique_ptr<ChangeSource> source,
        std::chrono::milliseconds settle);

    const std::filesystem::path &folder() const { return m_folder; }
    int readyHandle() const { return m_source->readyHandle(); }
    SettleTracker &tracker() { return m_tracker; }

    // Every file already in the folder counts as changed `now`. Throws EngineError
    // when the folder cannot be listed.
    void changeAll(TimePoint now);
    // Takes what the source has; everything counts as changed when changes were lost.
    // Throws EngineError when the folder can no longer be watched.
    void readChanges(TimePoint now);
    // Names a run handed back: they wait a settle time again.
    void retry(const std::vector<std::string> &names, TimePoint now);

private:
    void changed(const std::string &name, TimePoint now, bool endsWrite = false);

    std::filesystem::path m_folder;
    std::unique_ptr<ChangeSource> m_source;
    SettleTracker m_tracker;
};
