#pragma once

#include "services/filesystem/FileMover.h"
#include "services/filesystem/FolderWalker.h"
#include "services/journal/RunRecord.h"
#include "services/organizing/MoveStep.h"
#include "services/organizing/RecordedFileLook.h"
#include "services/organizing/RunReports.h"

#include <cstdint>
#include <memory>
#include <mutex>
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
        explicit Reservations(MoveBackPass &pass)
            : m_pass(pass)
        { }
        int reservation(Stage stage, const std::string &name, const FileIdentity &file,
            const EntryInfo &made) override;

    private:
        MoveBackPass &m_pass;
    };

    // What moves files back on one thread: its own folder handles and mover.
    struct Tools
    {
        Tools(FileSystem &fileSystem, int root, FileMover::Witness *witness)
            : walker(fileSystem, root)
            , mover(fileSystem, root, witness)
            , step(walker, mover, root)
        { }
        Tools(FileSystem &fileSystem, int root, const FileMover &known)
            : walker(fileSystem, root)
            , mover(known, known.witness())
            , step(walker, mover, root)
        { }
        FolderWalker walker;
        FileMover mover;
        MoveStep step;
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

    // Takes file `k` back, or says why not; on any thread of the pass.
    void handle(std::size_t k, Tools &tools);
    // Takes the files `ks` back on several threads at once.
    void handleTogether(const std::vector<std::size_t> &ks);
    // Holds off the other threads while the pass's shared state changes; nothing to hold
    // while one thread works.
    std::unique_lock<std::recursive_mutex> share()
    {
        return m_together ? std::unique_lock(m_guard) : std::unique_lock<std::recursive_mutex>();
    }
    Whereabouts lookFor(const File &file, Tools &tools);
    void moveBack(const File &file, const Whereabouts &where, Tools &tools);
    void settleAsBack(const File &file, const Whereabouts &where, Tools &tools);
    void moveBackFromAside(const File &file, Tools &tools);
    void leaveOtherItem(const File &file, const Whereabouts &where);
    void keepPending(const File &file, const Whereabouts &where);
    void removeAside(const File &file, const Whereabouts &where, Tools &tools);
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
    Reservations m_reservations;
    Tools m_main;
    std::vector<std::unique_ptr<Tools>> m_lanes;
    bool m_together = false; // whether several threads work now
    std::recursive_mutex m_guard;
    UndoReport m_report;
    std::size_t m_files = 0; // the run's files, for progress
};
