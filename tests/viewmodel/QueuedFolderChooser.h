#pragma once

#include "FolderChooser.h"

#include <QList>

#include <optional>

// Answers each request with the next queued answer; an empty queue means "cancel".
class QueuedFolderChooser final : public FolderChooser
{
public:
    void enqueue(std::optional<QString> answer) { m_answers.append(std::move(answer)); }
    int requests() const { return m_requests; }

    std::optional<QString> chooseFolder() override
    {
        ++m_requests;
        return m_answers.isEmpty() ? std::nullopt : m_answers.takeFirst();
    }

private:
    QList<std::optional<QString>> m_answers;
    int m_requests = 0;
};
