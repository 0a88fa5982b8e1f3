#include "FolderWatch.h"

#include "ErrorTexts.h"
#include "services/watching/InotifyChangeSource.h"
#include "services/watching/SteadyWatchClock.h"
#include "services/watching/WatchedFolder.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

FolderWatch::FolderWatch(std::chrono::milliseconds settle, std::shared_ptr<WatchClock> clock,
    SourceFactory factory, QObject *parent)
    : QObject(parent)
    , m_settle(settle)
    , m_clock(clock ? std::move(clock) : std::make_shared<SteadyWatchClock>())
    , m_factory(
          factory ? std::move(factory) : SourceFactory([](const std::filesystem::path &folder) {
              return std::make_unique<InotifyChangeSource>(folder);
          }))
    , m_timer(new QTimer(this))
{
    qRegisterMetaType<std::vector<std::string>>();
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &FolderWatch::evaluate);
}

FolderWatch::~FolderWatch() = default;

void FolderWatch::watch(const std::filesystem::path &folder)
{
    stop();
    try {
        m_watched = std::make_unique<WatchedFolder>(folder, m_factory(folder), m_settle);
        m_watched->changeAll(m_clock->now());
    } catch (const std::exception &error) {
        fail(error);
        return;
    }
    if (m_watched->readyHandle() >= 0) {
        m_notifier = new QSocketNotifier(m_watched->readyHandle(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatch::checkNow);
    }
    evaluate();
}

void FolderWatch::stop()
{
    m_timer->stop();
    if (m_notifier) {
        // stop() may come from the notifier's own signal (the folder went away).
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    m_watched.reset();
}

bool FolderWatch::isWatching() const
{
    return m_watched != nullptr;
}

std::filesystem::path FolderWatch::folder() const
{
    return m_watched ? m_watched->folder() : std::filesystem::path();
}

void FolderWatch::setSettle(std::chrono::milliseconds settle)
{
    m_settle = settle;
    if (!m_watched)
        return;
    m_watched->tracker().setSettle(settle);
    evaluate();
}

void FolderWatch::retry(const std::vector<std::string> &names)
{
    if (!m_watched)
        return;
    m_watched->retry(names, m_clock->now());
    evaluate();
}

void FolderWatch::checkNow()
{
    if (!m_watched)
        return;
    try {
        m_watched->readChanges(m_clock->now());
    } catch (const std::exception &error) {
        fail(error);
        return;
    }
    evaluate();
}

void FolderWatch::evaluate()
{
    if (!m_watched)
        return;
    const WatchClock::TimePoint now = m_clock->now();
    std::vector<std::string> writtenWhole;
    std::vector<std::string> settled = m_watched->tracker().takeSettled(now, &writtenWhole);
    const std::optional<WatchClock::TimePoint> next = m_watched->tracker().nextDeadline();
    if (next) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now);
        m_timer->start(std::clamp<std::chrono::milliseconds>(
            wait, std::chrono::milliseconds(0), std::chrono::hours(24)));
    } else {
        m_timer->stop();
    }
    if (!settled.empty())
        emit filesSettled(settled, writtenWhole);
}

void FolderWatch::fail(const std::exception &error)
{
    stop();
    emit watchFailed(ErrorTexts::translate(error));
}
