#include "services/journal/JournalReader.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileSystem.h"

#include <string_view>

#include <unistd.h>

namespace {

constexpr std::size_t chunk = std::size_t { 64 } * 1024;

} // namespace

JournalReader::JournalReader(FileSystem &fileSystem, const std::filesystem::path &file)
    : m_fileSystem(fileSystem)
    , m_file(file)
{
    FileDescriptor folder;
    int error = fileSystem.openFolder(file.parent_path(), folder);
    if (error == 0)
        error = fileSystem.openToRead(folder.get(), file.filename(), m_handle);
    EntryInfo info;
    if (error == 0)
        error = fileSystem.statFolder(m_handle.get(), info);
    if (error != 0)
        fail(error);
    // Undo acts on what it reads: a file another user could have written is not read.
    if (info.type != EntryType::regular || info.owner != ::geteuid())
        throw EngineError(EngineCondition::journalUnusable,
            ErrorMessage { ErrorKind::journalNotYours, { file.native() } });
}

void JournalReader::fail(int error) const
{
    throw EngineError(
        error, ErrorDescriptions::pathFailure(ErrorKind::journalUnreadable, m_file, error));
}

bool JournalReader::fill()
{
    if (m_atEnd)
        return false;
    m_buffer.erase(0, m_start);
    m_start = 0;
    const std::size_t used = m_buffer.size();
    m_buffer.resize(used + chunk);
    std::size_t got = 0;
    if (const int error
        = m_fileSystem.readAt(m_handle.get(), m_offset, m_buffer.data() + used, chunk, got)) {
        m_buffer.resize(used);
        fail(error);
    }
    m_offset += got;
    m_buffer.resize(used + got);
    m_atEnd = got == 0;
    return got > 0;
}

bool JournalReader::next(Line &line)
{
    for (;;) {
        const char *begin = m_buffer.data() + m_start;
        const std::size_t rest = m_buffer.size() - m_start;
        if (const std::size_t length = std::string_view(begin, rest).find('\n');
            length != std::string_view::npos) {
            m_start += length + 1;
            line = { m_skipping ? std::string_view() : std::string_view(begin, length), true,
                m_skipping };
            m_skipping = false;
            return true;
        }
        if (rest > maxLine) {
            // Passed over in pieces, never held whole.
            m_skipping = true;
            m_buffer.clear();
            m_start = 0;
        }
        if (!fill()) {
            if (m_buffer.size() == m_start && !m_skipping)
                return false;
            line = { m_skipping
                    ? std::string_view()
                    : std::string_view(m_buffer.data() + m_start, m_buffer.size() - m_start),
                false, m_skipping };
            m_start = m_buffer.size();
            m_skipping = false;
            return true;
        }
    }
}
