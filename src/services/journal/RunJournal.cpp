#include "services/journal/RunJournal.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/journal/RunDetailsWriter.h"

namespace {

constexpr std::size_t flushThreshold = 1 << 20;

} // namespace

RunJournal::RunJournal(FileSystem &fileSystem, std::filesystem::path file)
    : m_fileSystem(&fileSystem)
    , m_file(std::move(file))
{ }

RunJournal::~RunJournal()
{
    // Whatever is still buffered is worth writing; a crash would only lose it.
    if (m_handle.isValid() && !m_buffer.empty() && m_error == 0)
        m_fileSystem->writeFile(m_handle.get(), m_buffer);
}

void RunJournal::fail(ErrorKind what, int error) const
{
    throw EngineError(error, ErrorDescriptions::pathFailure(what, m_file, error));
}

RunJournal RunJournal::create(
    FileSystem &fileSystem, const std::filesystem::path &file, const JournalLines::Header &header)
{
    RunJournal journal(fileSystem, file);
    FileDescriptor folder;
    if (const int error = fileSystem.openFolder(file.parent_path(), folder))
        journal.fail(ErrorKind::journalCannotCreate, error);
    if (const int error = fileSystem.createFile(folder.get(), file.filename(), journal.m_handle))
        journal.fail(ErrorKind::journalCannotCreate, error);
    JournalLines::appendHeader(journal.m_buffer, header);
    journal.sync();
    // A new name is durable only once its folder is.
    if (const int error = fileSystem.syncFolder(folder.get()))
        journal.fail(ErrorKind::journalCannotWrite, error);
    return journal;
}

RunJournal RunJournal::reopen(FileSystem &fileSystem, const std::filesystem::path &file)
{
    RunJournal journal(fileSystem, file);
    FileDescriptor folder;
    int error = fileSystem.openFolder(file.parent_path(), folder);
    if (error == 0)
        error = fileSystem.openToAppend(folder.get(), file.filename(), journal.m_handle);
    EntryInfo info;
    if (error == 0)
        error = fileSystem.statFolder(journal.m_handle.get(), info);
    if (error != 0)
        journal.fail(ErrorKind::journalCannotOpen, error);
    char last = '\n';
    std::size_t got = 0;
    if (info.size > 0
        && fileSystem.readAt(journal.m_handle.get(), info.size - 1, &last, 1, got) == 0 && got == 1
        && last != '\n')
        journal.m_buffer += '\n';
    return journal;
}

void RunJournal::folderToMake(const std::vector<std::string> &parts)
{
    JournalLines::appendMake(m_buffer, parts);
}

void RunJournal::end(std::uint64_t moved)
{
    JournalLines::appendEnd(m_buffer, moved);
}

void RunJournal::undone(std::uint64_t restored, bool foldersKept)
{
    JournalLines::appendUndone(m_buffer, restored, foldersKept);
}

void RunJournal::undoBegins()
{
    JournalLines::appendUndoBegan(m_buffer);
}

void RunJournal::folderMade(const JournalLines::Made &made)
{
    JournalLines::appendMade(m_buffer, made);
}

void RunJournal::intend(std::uint64_t index, std::string_view from,
    const std::vector<std::string> &toFolder, std::string_view toName, const EntryInfo &file)
{
    JournalLines::appendIntent(m_buffer, index, from, toFolder, toName, file);
    if (m_buffer.size() >= flushThreshold)
        flush();
}

void RunJournal::mark(JournalLines::Mark mark, std::uint64_t index)
{
    JournalLines::appendMark(m_buffer, mark, index);
    if (m_buffer.size() >= flushThreshold)
        flush();
}

int RunJournal::noteReservation(Stage stage, const std::string &name, const FileIdentity &file,
    const EntryInfo &made, bool back)
{
    using Line = JournalLines::Reservation;
    const Line line { stage == Stage::reserved ? Line::Stage::reserved
            : stage == Stage::released         ? Line::Stage::released
                                               : Line::Stage::reserving,
        name, file.inode, back, made.identity.inode, made.modified,
        stage == Stage::reservingUnlooked };
    // Written with the marks before it: a failed write lost those, so the journal
    // stops here like any other, and no end line can follow.
    JournalLines::appendReservation(m_buffer, line);
    flush();
    return m_error;
}

int RunJournal::reservation(
    Stage stage, const std::string &name, const FileIdentity &file, const EntryInfo &reservation)
{
    return noteReservation(stage, name, file, reservation, false);
}

void RunJournal::skipped(std::string_view name, const ErrorMessage &why)
{
    if (m_details)
        m_details->add(name, why);
}

void RunJournal::flush()
{
    if (m_error == 0 && !m_buffer.empty())
        m_error = m_fileSystem->writeFile(m_handle.get(), m_buffer);
    m_buffer.clear();
}

void RunJournal::sync()
{
    flush();
    if (m_error == 0)
        m_error = m_fileSystem->syncData(m_handle.get());
    if (m_error != 0)
        fail(ErrorKind::journalCannotWrite, m_error);
}
