#pragma once

#include "FixedClock.h"
#include "FolderChooser.h"
#include "MemorySettingsStore.h"

#include <QString>

#include <deque>
#include <memory>
#include <optional>

// Answers the folder dialog from a queue the test fills; an empty queue cancels.
class QueuedFolderChooser final : public FolderChooser
{
public:
    explicit QueuedFolderChooser(std::shared_ptr<std::deque<std::optional<QString>>> answers)
        : m_answers(std::move(answers))
    { }
    std::optional<QString> chooseFolder() override
    {
        if (m_answers->empty())
            return std::nullopt;
        const bool confirmed = m_answers->front().has_value();
        const QString path = confirmed ? *m_answers->front() : QString();
        m_answers->pop_front();
        if (!confirmed)
            return std::nullopt;
        return path;
    }

private:
    std::shared_ptr<std::deque<std::optional<QString>>> m_answers;
};

// The time the view tests' activity lines are stamped with.
inline const QString testTimeOfDay = QStringLiteral("10:30");
