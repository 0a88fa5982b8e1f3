#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Which changed names have settled: stayed unchanged for the settle time. Names that
// settle close after each other are handed out together, so that a burst of files
// gives one run: a run waits while more names keep settling less than gathering()
// apart, but never longer than one more settle time after the first was due.
class SettleTracker
{
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    explicit SettleTracker(std::chrono::milliseconds settle = std::chrono::seconds(60));

    // Applies to the names waiting too.
    void setSettle(std::chrono::milliseconds settle);
    std::chrono::milliseconds settle() const { return m_settle; }
    // The longest pause between two names settling that still keeps them in one run.
    std::chrono::milliseconds gathering() const;

    // `name` changed at `now`: its settle time starts again.
    // `endsWrite`: the change was the end of a write (see ChangeSource::Change).
    void changed(const std::string &name, TimePoint now, bool endsWrite = false);
    // When takeSettled next has names to give; nullopt when no name waits.
    std::optional<TimePoint> nextDeadline() const;
    // The names unchanged for the settle time, once their run is due; none before.
    // Those whose last change ended a write are also put in `writtenWhole`.
    std::vector<std::string> takeSettled(
        TimePoint now, std::vector<std::string> *writtenWhole = nullptr);
    std::size_t waiting() const { return m_names.size(); }

private:
    using ByTime = std::multimap<TimePoint, std::string>;

    std::chrono::milliseconds m_settle;
    ByTime m_byTime; // last change time to name
    std::unordered_map<std::string, ByTime::iterator> m_names;
    std::unordered_set<std::string> m_writtenWhole; // last change ended a write
};
