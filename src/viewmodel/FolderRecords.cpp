#include "FolderRecords.h"

#include "RunController.h"
#include "RunHistoryModel.h"

#include <algorithm>
#include <utility>

FolderRecords::FolderRecords(RunController &runs, QObject *parent)
    : QObject(parent)
    , m_runs(runs)
    , m_history(std::make_unique<RunHistoryModel>())
{ }

FolderRecords::~FolderRecords() = default;

void FolderRecords::setFolder(const FolderPath &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    setCanUndo(false);
    m_history->clear();
}

void FolderRecords::setCanUndo(bool canUndo)
{
    if (canUndo == m_canUndo)
        return;
    m_canUndo = canUndo;
    emit canUndoChanged();
}

void FolderRecords::setRunDetails(std::shared_ptr<const RunDetails> details)
{
    const auto same = [](const RunDetails *a, const RunDetails *b) {
        if (!a || !b)
            return a == b;
        return a->kind == b->kind && a->folder == b->folder && a->entries == b->entries;
    };
    if (same(m_runDetails.get(), details.get()))
        return;
    m_runDetails = std::move(details);
    emit runDetailsChanged();
}

bool FolderRecords::toldSkipped(const std::vector<std::string> &names) const
{
    if (!m_runDetails || m_runDetails->kind != RunDetails::Kind::run)
        return false;
    const auto &told = m_runDetails->entries; // sorted by name
    return std::all_of(names.begin(), names.end(), [&told](const std::string &name) {
        const auto found = std::lower_bound(told.begin(), told.end(), name,
            [](const auto &entry, const std::string &key) { return entry.first < key; });
        return found != told.end() && found->first == name;
    });
}

template <typename Value>
std::function<void(Value)> FolderRecords::whileSelected(std::function<void(Value)> done)
{
    return [this, folder = m_folder, done = std::move(done)](Value value) {
        if (folder == m_folder)
            done(std::move(value));
    };
}

void FolderRecords::readCanUndo()
{
    if (m_folder.isEmpty()) {
        setCanUndo(false);
        return;
    }
    m_runs.readCanUndo(m_folder.fileSystemPath(),
        whileSelected<bool>([this](bool canUndo) { setCanUndo(canUndo); }));
}

void FolderRecords::readRunDetails()
{
    if (m_folder.isEmpty())
        return;
    m_runs.readRunDetails(m_folder.fileSystemPath(),
        whileSelected<std::shared_ptr<const RunDetails>>(
            [this](
                std::shared_ptr<const RunDetails> details) { setRunDetails(std::move(details)); }));
}

void FolderRecords::readHistory(bool reuse)
{
    if (m_folder.isEmpty())
        return;
    m_runs.readHistory(m_folder.fileSystemPath(), reuse,
        whileSelected<std::vector<HistoryRun>>(
            [this](std::vector<HistoryRun> runs) { m_history->setRuns(std::move(runs)); }));
}

void FolderRecords::readRunFiles(const QString &runId,
    std::function<void(const QString &title, std::shared_ptr<const RunDetails> files)> done)
{
    if (m_folder.isEmpty())
        return;
    m_runs.readRunFiles(m_folder.fileSystemPath(), runId.toStdString(),
        whileSelected<std::shared_ptr<const RunDetails>>(
            [this, runId, done = std::move(done)](std::shared_ptr<const RunDetails> files) {
                done(m_history->filesTitle(runId), std::move(files));
            }));
}
