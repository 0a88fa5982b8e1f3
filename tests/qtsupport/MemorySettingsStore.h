#pragma once

#include "SettingsStore.h"

#include <QHash>
#include <QString>

// Settings held in memory for one run, for the screenshot tool and the tests: nothing is
// read from or written to the user's settings file.
class MemorySettingsStore final : public SettingsStore
{
public:
    // A null `lastFolderPath` stores nothing, as on a first launch.
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
