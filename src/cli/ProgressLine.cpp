#include "ProgressLine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// A terminal that says it is dumb (Emacs' shell, some CI logs), or names no type at all,
// would show the carriage returns and erase sequences as they are.
bool terminalRedrawsLines()
{
    const char *type = std::getenv("TERM");
    return ::isatty(STDERR_FILENO) == 1 && type != nullptr && *type != '\0'
        && std::strcmp(type, "dumb") != 0;
}

} // namespace

ProgressLine::ProgressLine(std::string verb)
    : m_verb(std::move(verb))
    , m_drawsLines(terminalRedrawsLines())
    , m_started(std::chrono::steady_clock::now())
{ }

void ProgressLine::show(std::size_t done, std::size_t total)
{
    if (!m_drawsLines)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_started < 1s || (m_drawn && now - m_lastDrawn < 200ms))
        return;
    m_lastDrawn = now;
    m_drawn = true;
    // A progress line that cannot be drawn must not stop the run it tells of.
    (void)std::fprintf(stderr, "\r%s… %zu of %zu\033[K", m_verb.c_str(), done, total);
    (void)std::fflush(stderr);
}

void ProgressLine::clear()
{
    if (!m_drawn)
        return;
    (void)std::fputs("\r\033[K", stderr);
    (void)std::fflush(stderr);
    m_drawn = false;
}
