#pragma once

#include "FolderWatch.h"
#include "services/watching/ChangeSource.h"
#include "services/watching/WatchClock.h"

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A FolderWatch whose time passes and whose folder changes only when the test says so:
// no inotify, no waiting. watch() makes the one a view model adopts.
class FakeFolderWatch
{
public:
    FolderWatch *watch()
    {
        m_watch = new FolderWatch(std::chrono::seconds(60), m_clock, [this](const auto &folder) {
            watched.push_back(folder);
            if (!failure.empty())
                throw std::runtime_error(failure);
            return std::make_unique<Source>(m_clock);
        });
        return m_watch;
    }
    // `name` changed in the watched folder, and the watch sees it now.
    void change(const std::string &name)
    {
        m_clock->changes.push_back(name);
        m_watch->checkNow();
    }
    void advance(std::chrono::milliseconds time)
    {
        m_clock->time += time;
        m_watch->checkNow();
    }
    FolderWatch *folderWatch() const { return m_watch; }

    std::vector<std::filesystem::path> watched; // each folder a watch was set on
    std::string failure; // when set, setting a watch fails with it

private:
    struct Clock final : WatchClock
    {
        TimePoint now() const override { return time; }
        TimePoint time {};
        std::vector<std::string> changes; // not seen yet
    };
    struct Source final : ChangeSource
    {
        explicit Source(std::shared_ptr<Clock> clock)
            : clock(std::move(clock))
        { }
        int readyHandle() const override { return -1; }
        void takeChanges(std::vector<Change> &changes, bool &) override
        {
            for (std::string &name : std::exchange(clock->changes, {}))
                changes.push_back({ std::move(name) });
        }
        std::shared_ptr<Clock> clock;
    };

    std::shared_ptr<Clock> m_clock = std::make_shared<Clock>();
    FolderWatch *m_watch = nullptr;
};
