#include "RunJournal.h"

#include "ErrorDescriptions.h"
#include "JournalError.h"
#include "RunDetailsWriter.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t flushThreshold = 1 << 20;

int writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A new name is durable only once its folder is.
int syncFolderOf(const std::filesystem::path &file)
{
    const FileDescriptor folder(
        ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid())
        return errno;
    return ::fsync(folder.get()) == 0 ? 0 : errno;
}

} // namespace

RunJournal::RunJournal(std::filesystem::path file, FileDescriptor handle)
    : m_file(std::move(file))
    , m_handle(std::move(handle))
{ }

RunJournal::~RunJournal()
{
    // Whatever is still buffered is worth writing; a crash would only lose it.
    if (m_handle.isValid() && !m_buffer.empty())
        writeAll(m_handle.get(), m_buffer);
}

void RunJournal::fail(const char *what, int error) const
{
    throw JournalError(std::string("cannot ") + what + " the undo journal "
        + ErrorDescriptions::inQuotes(m_file.native()) + ": " + ErrorDescriptions::reason(error));
}

RunJournal RunJournal::create(const std::filesystem::path &file, const JournalLines::Header &header)
{
    FileDescriptor handle(::open(
        file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600));
    RunJournal journal(file, std::move(handle));
    if (!journal.m_handle.isValid())
        journal.fail("create", errno);
    JournalLines::appendHeader(journal.m_buffer, header);
    journal.sync();
    if (const int error = syncFolderOf(file))
        journal.fail("write", error);
    return journal;
}

RunJournal RunJournal::reopen(const std::filesystem::path &file)
{
    FileDescriptor handle(::open(file.c_str(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    RunJournal journal(file, std::move(handle));
    if (!journal.m_handle.isValid())
        journal.fail("open", errno);
    const off_t size = ::lseek(journal.m_handle.get(), 0, SEEK_END);
    char last = '\n';
    if (size > 0 && ::pread(journal.m_handle.get(), &last, 1, size - 1) == 1 && last != '\n')
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

void RunJournal::skipped(std::string_view name, std::string_view why)
{
    if (m_details)
        m_details->add(name, why);
}

void RunJournal::flush()
{
    if (m_buffer.empty())
        return;
    const int error = writeAll(m_handle.get(), m_buffer);
    m_buffer.clear();
    if (error != 0)
        fail("write", error);
}

void RunJournal::sync()
{
    flush();
    if (::fdatasync(m_handle.get()) != 0)
        fail("write", errno);
}
