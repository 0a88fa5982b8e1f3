#pragma once

#include "FolderPath.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class RunController;
class RunHistoryModel;
struct RunDetails;

// What the run journal records of the selected folder, read on the worker of a
// RunController: whether Undo has a run to take back, what the last run or undo left
// out, and the folder's history. An answer that comes after another folder was chosen
// is dropped.
class FolderRecords : public QObject
{
    Q_OBJECT

public:
    explicit FolderRecords(RunController &runs, QObject *parent = nullptr);
    ~FolderRecords() override;

    // Another folder offers nothing of the one before while its journal is read.
    void setFolder(const FolderPath &folder);

    bool canUndo() const { return m_canUndo; }
    void setCanUndo(bool canUndo);
    const std::shared_ptr<const RunDetails> &runDetails() const { return m_runDetails; }
    void setRunDetails(std::shared_ptr<const RunDetails> details);
    RunHistoryModel *history() const { return m_history.get(); }
    // Whether each of `names` is among the skips of runDetails, the last run's.
    bool toldSkipped(const std::vector<std::string> &names) const;

    void readCanUndo();
    void readRunDetails();
    // With `reuse`, only when the folder's runs changed in the journal
    // (RunController::readHistory).
    void readHistory(bool reuse = false);
    // The files of the run `runId`, with the title that names it; null files when the
    // run could not be read.
    void readRunFiles(const QString &runId,
        std::function<void(const QString &title, std::shared_ptr<const RunDetails> files)> done);

signals:
    void canUndoChanged();
    void runDetailsChanged();

private:
    // `done` wrapped so that it runs only while the folder asked about is selected.
    template <typename Value>
    std::function<void(Value)> whileSelected(std::function<void(Value)> done);

    RunController &m_runs;
    FolderPath m_folder;
    bool m_canUndo = false;
    std::shared_ptr<const RunDetails> m_runDetails;
    std::unique_ptr<RunHistoryModel> m_history;
};
