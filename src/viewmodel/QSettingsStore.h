#pragma once

#include "SettingsStore.h"

#include <QSettings>

// The user's settings file, ~/.config/Tidyra/Tidyra.conf on Linux.
class QSettingsStore final : public SettingsStore
{
public:
    QSettingsStore();

    QString stringValue(const QString &key) const override;
    void setStringValue(const QString &key, const QString &value) override;

private:
    QSettings m_settings;
};
