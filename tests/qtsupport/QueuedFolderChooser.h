#pragma once

#include "FolderChooser.h"

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

using FolderAnswers = std::deque<std::optional<QString>>;

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
    std::optional<QString> chooseFolder() override
    {
        if (m_whileAsking && *m_whileAsking)
            (*m_whileAsking)();
        // Taken apart, as GCC otherwise warns of a maybe-uninitialized copy.
        const bool confirmed = !m_answers->empty() && m_answers->front().has_value();
        const QString path = confirmed ? *m_answers->front() : QString();
        if (!m_answers->empty())
            m_answers->pop_front();
        return confirmed ? std::optional<QString>(path) : std::nullopt;
    }

private:
    std::shared_ptr<FolderAnswers> m_answers;
    std::shared_ptr<std::function<void()>> m_whileAsking;
};
