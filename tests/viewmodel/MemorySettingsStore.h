#pragma once

#include "SettingsStore.h"

#include <QHash>

class MemorySettingsStore final : public SettingsStore
{
public:
    QString stringValue(const QString &key) const override { return m_values.value(key); }
    void setStringValue(const QString &key, const QString &value) override
    {
        m_values.insert(key, value);
        ++m_writes;
    }
    int writes() const { return m_writes; }

private:
    QHash<QString, QString> m_values;
    int m_writes = 0;
};
