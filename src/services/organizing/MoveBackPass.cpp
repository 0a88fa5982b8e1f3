#include "services/organizing/MoveBackPass.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/RoundTrips.h"
#include "services/journal/RunJournal.h"
#include "services/organizing/MadeFolders.h"
#include "services/organizing/UndoDecision.h"
#include "services/paths/PathText.h"

#include <cerrno>

namespace fs = std::filesystem;
using namespace PathText;
using State = RunRecord::State;

int MoveBackPass::Reservations::reservation(
    Stage stage, const std::string &name, const FileIdentity &file, const EntryInfo &made)
{
    const auto lock = m_pass.share();
    return m_pass.m_journal.noteReservation(stage, name, file, made, true);
}

MoveBackPass::MoveBackPass(FileSystem &fileSystem, const RecordedFileLook &look, int root,
    RunRecord &record, RunJournal &journal, const RunControl &control)
    : m_fileSystem(fileSystem)
    , m_look(look)
    , m_root(root)
    , m_record(record)
    , m_journal(journal)
    , m_control(control)
    , m_recognition(look.recognitionOf(root, record, m_device))
    , m_folderName(lastName(fs::path(record.header.folder)))
    , m_reservations(*this)
    , m_main(fileSystem, root, &m_reservations)
{ }

// Inlined into both loops: an undo on a local disk pays no call more per file.
[[gnu::always_inline]] inline void MoveBackPass::handle(std::size_t k, Tools &tools)
{
    const State state = m_record.states[k];
    {
        const JournalLines::Intent &intent = m_record.intents[k];
        const File file { k, intent, FileIdentity { m_device, intent.inode },
            std::vector<std::string>(intent.to.begin(), intent.to.end() - 1),
            joinedParts(intent.to, intent.to.size() - 1), state != State::unknown,
            state != State::moved };
        const Whereabouts where = lookFor(file, tools);
        const UndoDecision facts { where.atDestination, where.atSource, where.aside,
            file.knownMoved, where.folderError, where.destinationError };
        switch (facts.decide()) {
        case UndoDecision::Action::moveBack:
            moveBack(file, where, tools);
            break;
        case UndoDecision::Action::settleAsBack:
            settleAsBack(file, where, tools);
            break;
        case UndoDecision::Action::moveBackFromAside:
            moveBackFromAside(file, tools);
            break;
        case UndoDecision::Action::forget: {
            const auto lock = share();
            --m_files;
            settle(k, State::givenUp);
            break;
        }
        case UndoDecision::Action::leaveOtherItem:
            leaveOtherItem(file, where);
            break;
        case UndoDecision::Action::leaveGone: {
            const auto lock = share();
            m_report.notRestored.emplace_back(intent.to.back(),
                ErrorMessage { ErrorKind::noLongerIn, { intent.to.back(), file.folderText } });
            settle(k, State::givenUp);
            break;
        }
        case UndoDecision::Action::keepPending:
            keepPending(file, where);
            break;
        }
    }
}

UndoReport MoveBackPass::run()
{
    m_main.mover.removeProbe(m_root);
    std::uint64_t type = 0;
    const bool overlap
        = m_fileSystem.fileSystemType(m_root, type) == 0 && RoundTrips::worthOverlapping(type);
    // Taken on a share once a move showed the route, a chunk at a time.
    std::vector<std::size_t> chunk;
    // Progress counts the run's files: an announced move that never happened (a run
    // cancelled inside a batch) is none of them.
    for (const State state : m_record.states)
        m_files += state != State::back && state != State::givenUp ? 1 : 0;
    std::size_t looked = 0;
    for (std::size_t k = m_record.intents.size(); k-- > 0;) {
        const State state = m_record.states[k];
        if (state == State::back || state == State::givenUp)
            continue;
        if (m_control.isCancelled()) {
            m_report.cancelled = true;
            break;
        }
        if (++looked % 1024 == 0) {
            handleTogether(chunk);
            chunk.clear();
            tellProgress();
            // A category folder another program moved out of the chosen folder is its
            // business now: nothing more is taken out of it through a handle held.
            m_main.walker.dropMoved();
            for (const auto &lane : m_lanes)
                lane->walker.dropMoved();
        }
        if (overlap && m_main.mover.routeKnown())
            chunk.push_back(k);
        else
            handle(k, m_main);
    }
    handleTogether(chunk);
    if (!chunk.empty() && m_control.isCancelled())
        m_report.cancelled = true;
    tellProgress();
    m_journal.flush();

    m_report.foldersKept = MadeFolders::removeEmptyOfRun(m_fileSystem, m_root, m_record,
        m_recognition != Recognition::stamp, m_device, &m_report.foldersNotRemoved);
    return m_report;
}

void MoveBackPass::handleTogether(const std::vector<std::size_t> &ks)
{
    if (ks.empty())
        return;
    // Known before the threads start, so that none of them probes.
    if (m_recognition == Recognition::stamp)
        m_main.mover.linksKeepIdentity(m_root);
    if (m_lanes.empty())
        for (std::size_t lane = 0; lane < RoundTrips::lanes; ++lane)
            m_lanes.push_back(std::make_unique<Tools>(m_fileSystem, m_root, m_main.mover));
    // An undo reserves old names, in the chosen folder: two files whose names a file
    // system could take for one share a thread.
    m_together = true;
    RoundTrips::spread(
        ks.size(),
        [&](std::size_t i) { return RoundTrips::laneOf(0, m_record.intents[ks[i]].from); },
        [&](std::size_t lane, std::size_t i) {
            if (!m_control.isCancelled())
                handle(ks[i], *m_lanes[lane]);
        });
    m_together = false;
}

MoveBackPass::Whereabouts MoveBackPass::lookFor(const File &file, Tools &tools)
{
    Whereabouts where
        = m_look.locate(tools.walker, m_root, m_record, file.k, file.expected, m_recognition);
    if (!where.atDestination && !where.atSource && !where.aside) {
        // Nothing is given up on one look: a second, fresh one must agree.
        FolderWalker fresh(m_fileSystem, m_root);
        where = m_look.locate(fresh, m_root, m_record, file.k, file.expected, m_recognition);
    }
    const bool newNameGone = where.folderError == ENOENT || where.folderError == ENOTDIR
        || where.folderError == ELOOP
        || (where.folderError == 0 && where.destinationError == ENOENT);
    if (where.aside && where.asideLinked && newNameGone) {
        // A kill inside a link-route move, and the new name moved on since (its folder
        // moved away, say): the old name set aside is only a second name. A look that
        // failed otherwise proves nothing; the file goes back as before.
        tools.mover.removeExtraName(m_root, FileMover::asideName(file.expected), where.found);
        where.aside = false;
    }
    return where;
}

void MoveBackPass::moveBack(const File &file, const Whereabouts &where, Tools &tools)
{
    const JournalLines::Intent &intent = file.intent;
    const std::string &toName = intent.to.back();
    // Found where the run put it: the run moved it, whatever no mark said (a look that
    // failed when the run was settled), and history counts it so.
    if (!file.knownMoved) {
        const auto lock = share();
        m_record.apply(JournalLines::Mark::movedByFallback, file.k);
        m_journal.mark(JournalLines::Mark::movedByFallback, intent.index);
    }
    // A killed undo's reservation of the old name is in the way of this one.
    if (where.reservedAtSource)
        m_look.removeReservation(m_root, intent.from, where.source);
    ErrorMessage why;
    std::error_code error
        = tools.step.back(file.folderParts, toName, intent.from, where.found, m_folderName, why);
    EntryInfo source;
    if (error == std::errc::file_exists && m_fileSystem.statIn(m_root, intent.from, source) == 0
        && RecordedFileLook::sameFile(
            tools.mover, m_root, source, where.destination, m_recognition)) {
        // A kill inside a link-route move left the file under both names: dropping the
        // new one puts it back.
        tools.mover.removeExtraName(
            tools.walker.open(file.folderParts, false).fd, toName, where.found);
        error.clear();
    }
    if (error) {
        const auto lock = share();
        m_report.notRestored.emplace_back(toName, why);
        return;
    }
    removeAside(file, where, tools);
    const auto lock = share();
    restored(intent.from);
    settle(file.k, State::back);
}

void MoveBackPass::settleAsBack(const File &file, const Whereabouts &where, Tools &tools)
{
    removeAside(file, where, tools);
    const std::string &toName = file.intent.to.back();
    const int folder
        = where.destinationError == 0 ? tools.walker.open(file.folderParts, false).fd : -1;
    if (folder >= 0 && !file.knownMoved && where.reservedAtDestination)
        m_look.removeReservation(folder, toName, where.destination);
    else if (folder >= 0
        && RecordedFileLook::sameFile(
            tools.mover, m_root, where.source, where.destination, m_recognition))
        tools.mover.removeExtraName(folder, toName, where.found);
    const auto lock = share();
    // Put back by an undo that could not record it: settled, not restored now.
    if (file.knownMoved) {
        ++m_report.alreadyBack;
        if (m_control.restored)
            m_control.restored(file.intent.from);
    }
    --m_files;
    settle(file.k, State::back);
}

void MoveBackPass::moveBackFromAside(const File &file, Tools &tools)
{
    const std::string &from = file.intent.from;
    const std::string aside = FileMover::asideName(file.expected);
    const std::error_code error = tools.mover.move(m_root, aside, m_root, from, file.expected);
    const auto lock = share();
    if (error) {
        m_report.notRestored.emplace_back(
            from, ErrorDescriptions::moveFailed(from, from, m_folderName, error));
        return;
    }
    restored(from);
    settle(file.k, State::back);
}

void MoveBackPass::leaveOtherItem(const File &file, const Whereabouts &where)
{
    // Known by size and time, a file edited since cannot be told from another.
    const bool changed = m_recognition != Recognition::inode
        && where.destination.type == EntryType::regular
        && (m_recognition == Recognition::stamp
            || where.destination.identity.inode == file.intent.inode);
    const std::string &toName = file.intent.to.back();
    const auto lock = share();
    m_report.notRestored.emplace_back(toName,
        ErrorMessage { changed ? ErrorKind::changedSinceMoved : ErrorKind::anotherItemNow,
            { toName, file.folderText } });
    settle(file.k, State::givenUp);
}

void MoveBackPass::keepPending(const File &file, const Whereabouts &where)
{
    // Something in the way that may pass (permissions, too many open files): it stays
    // pending for a later undo.
    const JournalLines::Intent &intent = file.intent;
    const auto lock = share();
    m_report.notRestored.emplace_back(intent.to.back(),
        where.folderError != 0 ? ErrorDescriptions::blockedFolder(
            joinedParts(intent.to, where.failedDepth + 1), where.folderError)
                               : ErrorDescriptions::moveFailed(intent.to.back(), intent.from,
                                   m_folderName, systemError(where.destinationError)));
}

void MoveBackPass::removeAside(const File &file, const Whereabouts &where, Tools &tools)
{
    // Where links do not keep one identity, no move took the link route and no look
    // could prove a name aside to be a second name of the file: the looks are saved.
    if (!file.mayBeAside
        || (m_recognition == Recognition::stamp && !tools.mover.linksKeepIdentity(m_root)))
        return;
    // The run's move set the old name aside in the chosen folder, an undo's the new name
    // in the category folder.
    tools.mover.removeExtraName(m_root, FileMover::asideName(file.expected), where.found);
    const int folder = tools.walker.open(file.folderParts, false).fd;
    if (folder >= 0)
        tools.mover.removeExtraName(folder, FileMover::asideName(where.found), where.found);
}

void MoveBackPass::restored(const std::string &name)
{
    ++m_report.restored;
    if (m_control.restored)
        m_control.restored(name);
}

void MoveBackPass::settle(std::size_t k, State state)
{
    m_record.states[k] = state;
    m_journal.mark(state == State::back ? JournalLines::Mark::back : JournalLines::Mark::givenUp,
        m_record.intents[k].index);
}

void MoveBackPass::tellProgress()
{
    if (m_control.progress)
        m_control.progress(m_report.restored + m_report.notRestored.size(), m_files);
}
