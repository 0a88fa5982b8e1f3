#include "services/journal/JournalReader.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"

#include <cerrno>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t chunk = std::size_t { 64 } * 1024;

} // namespace

JournalReader::JournalReader(const std::filesystem::path &file)
    : m_file(file)
    , m_handle(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC))
{
    const auto fail = [&](int error) {
        throw EngineError(error,
            "cannot read the undo journal " + ErrorDescriptions::inQuotes(file.native()) + ": "
                + ErrorDescriptions::reason(error));
    };
    if (!m_handle.isValid())
        fail(errno);
    struct stat info
    {
    };
    if (::fstat(m_handle.get(), &info) != 0)
        fail(errno);
    // Undo acts on what it reads: a file another user could have written is not read.
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        throw EngineError(EngineCondition::journalUnusable,
            "the undo journal " + ErrorDescriptions::inQuotes(file.native())
                + " is not a file of your own and was left untouched");
}

bool JournalReader::fill()
{
    if (m_atEnd)
        return false;
    m_buffer.erase(0, m_start);
    m_start = 0;
    const std::size_t used = m_buffer.size();
    m_buffer.resize(used + chunk);
    ssize_t got;
    do {
        got = ::read(m_handle.get(), m_buffer.data() + used, chunk);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int error = errno;
        m_buffer.resize(used);
        throw EngineError(error,
            "cannot read the undo journal " + ErrorDescriptions::inQuotes(m_file.native()) + ": "
                + ErrorDescriptions::reason(error));
    }
    m_buffer.resize(used + static_cast<std::size_t>(got));
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
