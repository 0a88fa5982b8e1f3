#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ChangeSource;
class QSocketNotifier;
class QTimer;
class WatchClock;
class WatchedFolder;

// Watches one folder for files that have settled, for the app's automatic tidying.
// Waits on the change source's descriptor and on one timer set to the next deadline,
// so an idle folder costs nothing. Moves no file itself: whoever hears filesSettled
// runs them (AutoTidyRun) and hands back, with retry(), the names to try again.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    using SourceFactory
        = std::function<std::unique_ptr<ChangeSource>(const std::filesystem::path &)>;

    // Empty clock/factory: the real steady clock and inotify.
    explicit FolderWatch(std::chrono::milliseconds settle, std::shared_ptr<WatchClock> clock = {},
        SourceFactory factory = {}, QObject *parent = nullptr);
    ~FolderWatch() override;

    // Starts or moves the watch; the files already there count as changed now. A
    // folder that cannot be watched is reported by watchFailed.
    void watch(const std::filesystem::path &folder);
    void stop();
    bool isWatching() const;
    std::filesystem::path folder() const;
    void setSettle(std::chrono::milliseconds settle);
    std::chrono::milliseconds settle() const { return m_settle; }
    // Names handed back by a run: tracked again as changed now.
    void retry(const std::vector<std::string> &names);
    // Reads what changed and re-evaluates the deadlines now.
    void checkNow();

signals:
    // `writtenWhole`: those of `names` whose last change ended a write (see
    // AutoTidyRun::run).
    void filesSettled(
        const std::vector<std::string> &names, const std::vector<std::string> &writtenWhole);
    // The watch has stopped: the folder cannot be watched (any more), and why.
    void watchFailed(const QString &why);

private:
    void readChanges();
    void evaluate();
    void fail(const std::exception &error);

    std::chrono::milliseconds m_settle;
    std::shared_ptr<WatchClock> m_clock;
    SourceFactory m_factory;
    std::unique_ptr<WatchedFolder> m_watched;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_timer;
};
