#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileMover.h"
#include "services/filesystem/FileSystem.h"
#include "services/journal/JournalLines.h"

#include <filesystem>
#include <string>

// Appends to one run's journal file, through the file system the run works through.
// Lines are buffered and written in batches; sync() makes everything written so far
// durable before the caller moves anything the lines announce. A failed write ends
// the writing: no later line may follow lines that are lost (an end line after lost
// marks would say moves never happened), and sync() throws it as EngineError.
class RunDetailsWriter;

class RunJournal final : public FileMover::Witness
{
public:
    // Creates `file` (it must not exist) with the header, and makes the file and
    // its folder durable, so that the run exists on disk before its first move.
    static RunJournal create(FileSystem &fileSystem, const std::filesystem::path &file,
        const JournalLines::Header &header);
    // Opens an existing journal to append undo's marks. A line torn by a crash is
    // ended first, so that the next line starts clean.
    static RunJournal reopen(FileSystem &fileSystem, const std::filesystem::path &file);

    RunJournal(RunJournal &&) noexcept = default;
    RunJournal &operator=(RunJournal &&) noexcept = default;
    ~RunJournal();

    // A folder about to be made; sync() before making it.
    void folderToMake(const std::vector<std::string> &parts);
    void folderMade(const JournalLines::Made &made);
    void intend(std::uint64_t index, std::string_view from,
        const std::vector<std::string> &toFolder, std::string_view toName, const EntryInfo &file);
    // The run is over: a later run may forget it once it is superseded.
    void end(std::uint64_t moved);
    void mark(JournalLines::Mark mark, std::uint64_t index);
    // An undo took the whole run back; the record stays as history. `foldersKept`: some
    // folders it made had to stay, for files of later runs.
    void undone(std::uint64_t restored, bool foldersKept = false);
    // An undo is about to move files back.
    void undoBegins();
    // Writes a reservation's line at once, with what is buffered, without waiting for
    // the disk: a kill keeps what was written, and only a power cut could lose it
    // together with the reservation's own name. 0, or the errno of the failed write,
    // this one's or an earlier one's: after a failed write nothing more is written.
    // `back`: an undo's, of an old name.
    int noteReservation(Stage stage, const std::string &name, const FileIdentity &file,
        const EntryInfo &made, bool back);
    // The run's own reservations, at the new names of its moves.
    int reservation(Stage stage, const std::string &name, const FileIdentity &file,
        const EntryInfo &reservation) override;
    // A move left out, and why; kept in `details` when the run has one.
    void skipped(std::string_view name, const ErrorMessage &why);
    void setDetails(RunDetailsWriter *details) { m_details = details; }

    // Writes what is buffered, without waiting for the disk; a failure waits for sync().
    void flush();
    // Writes what is buffered and waits until it is on the disk. Throws EngineError
    // when this or any earlier write failed.
    void sync();
    const std::filesystem::path &file() const { return m_file; }

private:
    RunJournal(FileSystem &fileSystem, std::filesystem::path file);
    [[noreturn]] void fail(ErrorKind what, int error) const;

    FileSystem *m_fileSystem;
    std::filesystem::path m_file;
    FileDescriptor m_handle;
    std::string m_buffer;
    int m_error = 0; // the first write that failed; nothing is written after it
    RunDetailsWriter *m_details = nullptr;
};
