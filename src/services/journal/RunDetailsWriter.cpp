#include "services/journal/RunDetailsWriter.h"

#include "services/journal/JournalLines.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t flushThreshold = 1 << 20;

} // namespace

RunDetailsWriter::RunDetailsWriter(
    std::filesystem::path file, RunDetails::Kind kind, const std::filesystem::path &folder)
    : m_file(std::move(file))
    , m_newFile(m_file.native() + ".new")
{
    // A killed run may have left its new file; it is replaced, never followed.
    ::unlink(m_newFile.c_str());
    m_handle.reset(::open(
        m_newFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_APPEND | O_CLOEXEC, 0600));
    m_failed = !m_handle.isValid();
    JournalLines::appendDetailsHeader(m_buffer, kind, folder.native());
}

RunDetailsWriter::~RunDetailsWriter()
{
    if (m_handle.isValid()) {
        m_handle.reset();
        ::unlink(m_newFile.c_str());
    }
}

void RunDetailsWriter::add(std::string_view name, std::string_view why)
{
    m_empty = false;
    JournalLines::appendDetail(m_buffer, name, why);
    if (m_buffer.size() >= flushThreshold)
        flush();
}

void RunDetailsWriter::flush()
{
    std::string_view rest = m_buffer;
    while (!m_failed && !rest.empty()) {
        const ssize_t written = ::write(m_handle.get(), rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        m_failed = written < 0;
        if (written > 0)
            rest.remove_prefix(static_cast<std::size_t>(written));
    }
    m_buffer.clear();
}

void RunDetailsWriter::finish()
{
    if (!m_handle.isValid()) {
        ::unlink(m_file.c_str());
        return;
    }
    flush();
    m_handle.reset();
    // Without new entries, old ones would describe a run that is no longer the last.
    if (m_empty || m_failed || ::rename(m_newFile.c_str(), m_file.c_str()) != 0) {
        ::unlink(m_newFile.c_str());
        ::unlink(m_file.c_str());
    }
}
