#include "AutoTidy.h"

#include "FolderWatch.h"
#include "SettingsStore.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>

namespace {

// Beside "lastFolderPath": the switch ("true" or "false") and the settle time in seconds.
constexpr QLatin1String tidyAutomaticallyKey("tidyAutomatically");
constexpr QLatin1String settleSecondsKey("autoTidySettleSeconds");

// The stored settle time; the default when none is stored or it is no whole number of
// seconds from 1 to a day.
int settleSecondsOf(const QString &stored)
{
    bool ok = false;
    const int seconds = stored.trimmed().toInt(&ok);
    return ok && seconds >= 1 && seconds <= 24 * 3600 ? seconds : AutoTidy::defaultSettleSeconds;
}

} // namespace

AutoTidy::AutoTidy(SettingsStore &settings, FolderWatch *watch, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_isOn(settings.stringValue(tidyAutomaticallyKey) == u"true")
    , m_settleSeconds(settleSecondsOf(settings.stringValue(settleSecondsKey)))
    , m_watch(watch)
{
    const std::chrono::seconds settle(m_settleSeconds);
    if (m_watch)
        m_watch->setSettle(settle);
    else
        m_watch = new FolderWatch(settle);
    m_watch->setParent(this);
    connect(m_watch, &FolderWatch::filesSettled, this, &AutoTidy::takeSettled);
    connect(m_watch, &FolderWatch::watchFailed, this, &AutoTidy::watchFailed);
}

bool AutoTidy::setOn(bool on)
{
    if (on == m_isOn)
        return false;
    m_isOn = on;
    m_settings.setStringValue(
        tidyAutomaticallyKey, on ? QStringLiteral("true") : QStringLiteral("false"));
    if (!on) {
        m_settled.clear();
        m_writtenWhole.clear();
        m_putBack.clear();
    }
    follow();
    return true;
}

void AutoTidy::setFolder(const FolderPath &folder)
{
    m_folder = folder;
    // What settled in the folder left behind is not this folder's to tidy.
    m_settled.clear();
    m_writtenWhole.clear();
    m_putBack.clear();
    follow();
}

void AutoTidy::follow()
{
    if (!m_isOn || m_folder.isEmpty()) {
        m_watch->stop();
        return;
    }
    m_watch->watch(m_folder.fileSystemPath());
}

void AutoTidy::takeSettled(
    const std::vector<std::string> &names, const std::vector<std::string> &writtenWhole)
{
    if (!m_isOn)
        return;
    m_settled.insert(m_settled.end(), names.begin(), names.end());
    // A name settling again says anew how its last change ended.
    for (const std::string &name : names)
        m_writtenWhole.erase(name);
    m_writtenWhole.insert(writtenWhole.begin(), writtenWhole.end());
    emit namesWaiting();
}

std::vector<std::string> AutoTidy::takeWaiting(std::vector<std::string> &writtenWhole)
{
    std::vector<std::string> names = std::exchange(m_settled, {});
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::erase_if(names, [this](const std::string &name) { return m_putBack.erase(name); });
    for (const std::string &name : names) {
        if (m_writtenWhole.count(name) != 0)
            writtenWhole.push_back(name);
    }
    m_writtenWhole.clear();
    return names;
}

void AutoTidy::retry(const FolderPath &folder, const std::vector<std::string> &names)
{
    if (!names.empty() && m_isOn && folder == m_folder)
        m_watch->retry(names);
}

void AutoTidy::leaveAlone(const FolderPath &folder, std::vector<std::string> names)
{
    if (m_isOn && folder == m_folder)
        m_putBack.insert(
            std::make_move_iterator(names.begin()), std::make_move_iterator(names.end()));
}
