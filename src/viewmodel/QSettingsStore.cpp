#include "QSettingsStore.h"

QSettingsStore::QSettingsStore()
    : m_settings(QStringLiteral("Tidyra"), QStringLiteral("Tidyra"))
{ }

QString QSettingsStore::stringValue(const QString &key) const
{
    if (!m_settings.contains(key))
        return {};
    return m_settings.value(key).toString();
}

void QSettingsStore::setStringValue(const QString &key, const QString &value)
{
    m_settings.setValue(key, value);
    // Written at once, so the choice survives even an abrupt end of the program.
    m_settings.sync();
}
