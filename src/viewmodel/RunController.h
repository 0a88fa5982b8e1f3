#pragma once

#include "HistoryRun.h"
#include "model/OrganizationPlan.h"
#include "services/journal/RunDetails.h"
#include "services/organizing/RunReports.h"

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class OrganizingService;
class FileSystem;
class PlanObstacles;
class RulesFile;
class SortingRules;

// The view model's hands on the engine: one worker thread of its own that scans,
// organizes, undoes and reads the journal, one job at a time in the order given, so the
// window stays alive. Every answer comes back on the UI thread, to the callback given;
// an engine failure arrives as its description in the user's language. An answer that
// arrives when this object is gone is dropped. The engine's objects belong to the
// worker: nothing else touches them.
class RunController : public QObject
{
    Q_OBJECT

public:
    struct ScanResult
    {
        std::shared_ptr<const OrganizationPlan> plan;
        std::shared_ptr<const PlanObstacles> obstacles;
        QString error;
        bool rulesInvalid = false; // `error` is the rules file's
    };
    struct ExecutionResult
    {
        RunReport report; // its skipped moves are on standard output, as the engine prints them
        QString error; // nothing moved
    };
    struct OrganizeResult
    {
        ScanResult scan;
        std::optional<ExecutionResult> execution; // none when nothing was executed
    };
    struct UndoResult
    {
        UndoReport report;
        QString error;
        // When asked for: the names of the files the undo put back.
        std::vector<std::string> restoredNames;
    };
    // An automatic run over files that settled.
    struct TidyResult
    {
        bool ran = false; // false when nothing was left to move: no run was recorded
        RunReport report;
        // Names to look at again later: still being written, or the folder was busy.
        std::vector<std::string> retry;
        QString error; // nothing moved
        bool rulesInvalid = false; // `error` is the rules file's; every name is to retry
    };

    // A run's answer: its result, and whether the folder given to it has a run to undo
    // once it is over.
    template <typename Result> using Done = std::function<void(Result &result, bool canUndo)>;

    // An empty `fileSystem` means the real one. Every scan and run first reads the
    // user's sorting rules (RulesFile::defaultPath()), again only when the file changed.
    explicit RunController(std::shared_ptr<FileSystem> fileSystem, QObject *parent = nullptr);
    // Stops a run after its current move and waits for it, so the journal holds the
    // record of every move made.
    ~RunController() override;

    // One run at a time: the caller starts the next once the last has answered.
    void scan(const std::filesystem::path &folder, Done<ScanResult> done);
    // Carries out `plan`, shared rather than copied, which the worker keeps alive.
    void execute(std::shared_ptr<const OrganizationPlan> plan, const std::filesystem::path &folder,
        Done<ExecutionResult> done);
    // Scans and, when there is anything to move and no cancel came, executes.
    void organize(const std::filesystem::path &folder, Done<OrganizeResult> done);
    // `listRestored` fills UndoResult::restoredNames.
    void undo(const std::filesystem::path &folder, bool listRestored, Done<UndoResult> done);
    // Undoes the recorded run `runId` of `folder`, which need not be the last.
    void undoRun(const std::filesystem::path &folder, const std::string &runId, bool listRestored,
        Done<UndoResult> done);
    // Organizes those of `names` (directly in `folder`) that have stayed unchanged for
    // `settle` and are written to no more, recorded as an automatic run (`writtenWhole`:
    // see AutoTidyRun::run).
    void tidy(const std::filesystem::path &folder, std::vector<std::string> names,
        std::vector<std::string> writtenWhole, std::chrono::milliseconds settle,
        Done<TidyResult> done);

    // Stops the run after the current move; a scan runs to its end.
    void cancel() { m_cancel = true; }
    bool isCancelled() const { return m_cancel; }
    // How far the running execution or undo is; a total of 0 until it is known.
    std::size_t progressDone() const { return m_progressDone; }
    std::size_t progressTotal() const { return m_progressTotal; }

    // Whether `folder` has a run to undo, which tidyra-cli may have recorded or undone.
    void readCanUndo(const std::filesystem::path &folder, std::function<void(bool)> done);
    // What the last run or undo of `folder` left out, null when nothing.
    void readRunDetails(const std::filesystem::path &folder,
        std::function<void(std::shared_ptr<const RunDetails>)> done);
    // The recorded runs of `folder`, newest first: empty when none or the journal
    // cannot be read (Undo reports why). With `reuse`, the last read of the same folder
    // is given again while the journal's runs are unchanged (OrganizingService::historyStamp):
    // reading twenty runs of 100,000 files each takes seconds of the worker's time.
    void readHistory(const std::filesystem::path &folder, bool reuse,
        std::function<void(std::vector<HistoryRun>)> done);
    // The files of the recorded run `runId` of `folder` under where each is now (in
    // the user's language, as the reasons of RunDetails), sorted by name; null when the
    // run cannot be read.
    void readRunFiles(const std::filesystem::path &folder, const std::string &runId,
        std::function<void(std::shared_ptr<const RunDetails>)> done);
    // The user's rules file, which every scan and run reads.
    const std::filesystem::path &rulesPath() const { return m_rulesPath; }
    // Runs `work` on the worker with the rules file, which is the worker's, and hands
    // its value to `done` on the UI thread.
    template <typename Value>
    void withRulesFile(std::function<Value(RulesFile &)> work, std::function<void(Value)> done)
    {
        ask<Value>([this, work = std::move(work)] { return work(*m_rules); }, std::move(done));
    }
    // Frees a plan on the worker, as freeing a large one takes a while, and hands the
    // memory back to the system.
    void release(std::shared_ptr<const OrganizationPlan> plan);

signals:
    // A few times a second while a run lasts.
    void progressed();

private:
    template <typename Result>
    void start(
        std::function<Result()> work, const std::filesystem::path &folder, Done<Result> done);
    // Runs `work` on the worker and hands its value to `done` on the UI thread.
    template <typename Value> void ask(std::function<Value()> work, std::function<void(Value)> done)
    {
        QMetaObject::invokeMethod(
            m_worker,
            [this, work = std::move(work), done = std::move(done)] {
                QMetaObject::invokeMethod(
                    this, [value = work(), done]() mutable { done(std::move(value)); },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }
    void startUndo(const std::filesystem::path &folder, bool listRestored,
        std::function<UndoReport(const RunControl &)> undo, Done<UndoResult> done);
    // Worker thread only.
    ScanResult scanOnWorker(const std::filesystem::path &folder) const;
    // The rules in force; null, with `error` set, when the file is wrong.
    std::shared_ptr<const SortingRules> rulesOnWorker(QString &error) const;
    ExecutionResult executeOnWorker(const OrganizationPlan &plan);
    RunControl runControl();
    bool canUndoOnWorker(const std::filesystem::path &folder) const;

    std::unique_ptr<OrganizingService> m_runs;
    std::filesystem::path m_rulesPath;
    std::unique_ptr<RulesFile> m_rules; // the worker's
    // The worker's last history read, for readHistory's `reuse`.
    struct HistoryRead
    {
        std::filesystem::path folder;
        std::string stamp;
        std::vector<HistoryRun> runs;
    };
    HistoryRead m_lastHistory;

    // Written by the engine on the worker, read by the UI thread.
    std::atomic<bool> m_cancel = false;
    std::atomic<std::size_t> m_progressDone = 0;
    std::atomic<std::size_t> m_progressTotal = 0;
    QTimer m_progressTimer;

    QThread m_thread;
    QObject *m_worker; // lives in m_thread; runs the jobs
};
