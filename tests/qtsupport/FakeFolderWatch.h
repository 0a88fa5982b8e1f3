#pragma once

#include "FolderWatch.h"
#include "services/watching/ChangeSource.h"
#include "services/watching/WatchClock.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A FolderWatch whose time passes only when the test says so and whose folder changes
// only as the test tells: no inotify, no waiting. Make one per view model with watch().
class FakeFolderWatch
{
public:
    // A FolderWatch for a view model to adopt.
    FolderWatch *watch()
    {
        m_watch = new FolderWatch(std::chrono::seconds(60), m_clock,
            [this](const std::filesystem::path &folder) -> std::unique_ptr<ChangeSource> {
                watched.push_back(folder);
                if (!failure.empty())
                    throw std::runtime_error(failure);
                return std::make_unique<Source>(m_changes);
            });
        return m_watch;
    }
    // `name` changed in the watched folder, and the watch sees it now.
    void change(const std::string &name)
    {
        m_changes->push_back(name);
        m_watch->checkNow();
    }
    // Lets `time` pass and has the watch look.
    void advance(std::chrono::milliseconds time)
    {
        m_clock->time += time;
        m_watch->checkNow();
    }
    FolderWatch *folderWatch() const { return m_watch; }

    std::vector<std::filesystem::path> watched; // each folder a watch was set on
    std::string failure; // when set, setting a watch fails with it

private:
    using Names = std::vector<std::string>;
    struct Clock final : WatchClock
    {
        TimePoint now() const override { return time; }
        TimePoint time {};
    };
    struct Source final : ChangeSource
    {
        explicit Source(std::shared_ptr<Names> changes)
            : changes(std::move(changes))
        { }
        int readyHandle() const override { return -1; }
        void takeChanges(Names &names, bool &) override
        {
            names.insert(names.end(), changes->begin(), changes->end());
            changes->clear();
        }
        std::shared_ptr<Names> changes;
    };

    std::shared_ptr<Clock> m_clock = std::make_shared<Clock>();
    std::shared_ptr<Names> m_changes = std::make_shared<Names>();
    FolderWatch *m_watch = nullptr;
};
