#pragma once

#include "services/filesystem/FileMover.h"
#include "services/filesystem/FolderWalker.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MoveStep.h"
#include "services/organizing/RecordedFileLook.h"
#include "services/organizing/RunReports.h"

#include <cstdint>
#include <string>
#include <vector>

class RunJournal;

// One undo's pass over a run's files, newest first: for each file a fresh look where it
// is now (RecordedFileLook), what to do about it (UndoDecision), and that step, each
// outcome marked in the journal. UndoRun makes one for each undo.
class MoveBackPass
{
public:
    MoveBackPass(FileSystem &fileSystem, const RecordedFileLook &look, int root, RunRecord &record,
        RunJournal &journal, const RunControl &control);

    UndoReport run();

private:
    using Recognition = RecordedFileLook::Recognition;
    using Whereabouts = RecordedFileLook::Whereabouts;

    // An undo's reservations, of old names, told in the journal of the run it takes back.
    class Reservations final : public FileMover::Witness
    {
    public:
        explicit Reservations(RunJournal &journal)
            : m_journal(journal)
        { }
        int reservation(Stage stage, const std::string &name, const FileIdentity &file,
            const EntryInfo &made) override;

    private:
        RunJournal &m_journal;
    };

    // One recorded move, as the steps below need it.
    struct File
    {
        std::size_t k; // its index in the record
        const JournalLines::Intent &intent;
        FileIdentity expected;
        std::vector<std::string> folderParts; // its destination folder
        std::string folderText;
        bool knownMoved; // a mark says the run moved it
        // A move that went the fallback way, or that a kill interrupted, may have left
        // a name aside: once the file is back, that name goes.
        bool mayBeAside;
    };

    Whereabouts lookFor(const File &file);
    void moveBack(const File &file, const Whereabouts &where);
    void settleAsBack(const File &file, const Whereabouts &where);
    void moveBackFromAside(const File &file);
    void leaveOtherItem(const File &file, const Whereabouts &where);
    void keepPending(const File &file, const Whereabouts &where);
    void removeAside(const File &file, const Whereabouts &where);
    void restored(const std::string &name);
    void settle(std::size_t k, RunRecord::State state);
    void tellProgress();

    FileSystem &m_fileSystem;
    const RecordedFileLook &m_look;
    int m_root;
    RunRecord &m_record;
    RunJournal &m_journal;
    const RunControl &m_control;
    std::uint64_t m_device = 0;
    Recognition m_recognition;
    std::string m_folderName; // the chosen folder's own name, for the texts
    FolderWalker m_walker;
    Reservations m_reservations;
    FileMover m_mover;
    MoveStep m_step;
    UndoReport m_report;
    std::size_t m_files = 0; // the run's files, for progress
};
