#pragma once

#include <QString>

// The few strings that survive a restart (only "lastFolderPath" today).
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // A null QString when nothing is stored under `key`.
    virtual QString stringValue(const QString &key) const = 0;
    virtual void setStringValue(const QString &key, const QString &value) = 0;
};
