#pragma once

#include "FolderChooser.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>

using FolderAnswers = std::deque<std::optional<FolderPath>>;

// Answers the folder dialog from a queue the test fills; an empty queue cancels.
// `whileAsking`, when set, runs as if the user did something else while the dialog is up.
class QueuedFolderChooser final : public FolderChooser
{
public:
    explicit QueuedFolderChooser(std::shared_ptr<FolderAnswers> answers,
        std::shared_ptr<std::function<void()>> whileAsking = {})
        : m_answers(std::move(answers))
        , m_whileAsking(std::move(whileAsking))
    { }
    std::optional<FolderPath> chooseFolder() override
    {
        if (m_whileAsking && *m_whileAsking)
            (*m_whileAsking)();
        // Taken apart, as GCC otherwise warns of a maybe-uninitialized copy.
        const bool confirmed = !m_answers->empty() && m_answers->front().has_value();
        const FolderPath folder = confirmed ? *m_answers->front() : FolderPath();
        if (!m_answers->empty())
            m_answers->pop_front();
        return confirmed ? std::optional<FolderPath>(folder) : std::nullopt;
    }

private:
    std::shared_ptr<FolderAnswers> m_answers;
    std::shared_ptr<std::function<void()>> m_whileAsking;
};
