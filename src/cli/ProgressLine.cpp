#include "ProgressLine.h"

#include <cstdio>

#include <unistd.h>

using namespace std::chrono_literals;

ProgressLine::ProgressLine(std::string verb)
    : m_verb(std::move(verb))
    , m_isTerminal(::isatty(STDERR_FILENO) == 1)
    , m_started(std::chrono::steady_clock::now())
{ }

void ProgressLine::show(std::size_t done, std::size_t total)
{
    if (!m_isTerminal)
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
