#pragma once

#include "Clock.h"
#include "FolderChooser.h"
#include "SettingsStore.h"

#include <QHash>
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

class MemorySettingsStore final : public SettingsStore
{
public:
    explicit MemorySettingsStore(const QString &lastFolderPath = {})
    {
        if (!lastFolderPath.isNull())
            m_values.insert(QStringLiteral("lastFolderPath"), lastFolderPath);
    }
    QString stringValue(const QString &key) const override { return m_values.value(key); }
    void setStringValue(const QString &key, const QString &value) override
    {
        m_values.insert(key, value);
    }

private:
    QHash<QString, QString> m_values;
};

class FixedClock final : public Clock
{
public:
    QString shortTimeOfDay() const override { return QStringLiteral("10:30"); }
};
