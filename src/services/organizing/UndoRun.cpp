#include "services/organizing/UndoRun.h"

#include "services/errors/EngineError.h"
#include "services/filesystem/FileMover.h"
#include "services/journal/RunJournal.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MadeFolders.h"
#include "services/organizing/MoveBackPass.h"
#include "services/paths/PathText.h"

#include <cerrno>

namespace fs = std::filesystem;
using namespace PathText;
using Recognition = RecordedFileLook::Recognition;

std::size_t UndoRun::countInPlace(int root, const RunRecord &record, std::vector<bool> *each) const
{
    if (each)
        each->assign(record.intents.size(), false);
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    FolderWalker walker(m_fileSystem, root);
    FileMover mover(m_fileSystem, root);
    // Only an undo cut short leaves a moved file under its old name too.
    const bool undoCut = record.undoUnderWay();
    std::size_t inPlace = 0;
    for (std::size_t k = 0; k < record.intents.size(); ++k) {
        const RunRecord::State state = record.states[k];
        if (state == RunRecord::State::back || state == RunRecord::State::givenUp)
            continue;
        const JournalLines::Intent &intent = record.intents[k];
        const FileIdentity expected { device, intent.inode };
        if (state == RunRecord::State::unknown) {
            // A move a kill may have cut short: the file under both names, or beside its
            // reservation, is still at its old place; undo would move nothing.
            const bool there
                = m_look.locate(walker, root, record, k, expected, recognition).atDestination;
            inPlace += there;
            if (each)
                (*each)[k] = there;
            continue;
        }
        const std::vector<std::string> folderParts(intent.to.begin(), intent.to.end() - 1);
        const FolderWalker::Result opened = walker.open(folderParts, false);
        EntryInfo info;
        EntryInfo source;
        if (opened.error == 0 && m_fileSystem.statIn(opened.fd, intent.to.back(), info) == 0
            && RecordedFileLook::isRecordedFile(info, intent, expected, recognition)
            && !(undoCut && m_fileSystem.statIn(root, intent.from, source) == 0
                && RecordedFileLook::sameFile(mover, root, source, info, recognition))) {
            ++inPlace;
            if (each)
                (*each)[k] = true;
        }
    }
    return inPlace;
}

UndoReport UndoRun::execute(int root, RunRecord &record, const RunControl &control) const
{
    RunJournal journal = RunJournal::reopen(m_fileSystem, record.file);
    // Said, and on disk, before the first move back: an undo whose marks never reach the
    // journal (a kill, a full disk) would otherwise leave the run looking ended and
    // untouched, and a later run's moves to the same names would pass for its own. With
    // this line the next run or undo settles by looking what went back.
    journal.undoBegins();
    journal.sync();
    UndoReport report = MoveBackPass(m_fileSystem, m_look, root, record, journal, control).run();
    try {
        if (record.pendingCount() == 0)
            journal.undone(report.restored, report.foldersKept > 0);
        journal.sync();
    } catch (const EngineError &error) {
        // What moved back is back, and the folders are cleaned up; a later undo finds
        // the files at their old names and settles the record.
        report.recordNotUpdated = error.message();
    }
    return report;
}

std::size_t UndoRun::removeEmptyFolders(int root, const RunRecord &record) const
{
    std::uint64_t device = 0;
    const Recognition recognition = m_look.recognitionOf(root, record, device);
    return MadeFolders::removeEmptyOfRun(
        m_fileSystem, root, record, recognition != Recognition::stamp, device);
}
