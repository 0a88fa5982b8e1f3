#pragma once

#include <chrono>
#include <cstddef>
#include <string>

// A one-line progress indicator on standard error, for runs that last: shown only
// when standard error is a terminal that can redraw a line (TERM names one, not
// "dumb"), only after the first second, and redrawn a few times a second, never once
// per file.
class ProgressLine
{
public:
    explicit ProgressLine(std::string verb);
    void show(std::size_t done, std::size_t total);
    // Wipes the line, if one was drawn.
    void clear();

private:
    std::string m_verb;
    bool m_drawsLines;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_started;
    std::chrono::steady_clock::time_point m_lastDrawn;
};
