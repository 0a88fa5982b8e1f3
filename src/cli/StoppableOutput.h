#pragma once

#include <atomic>
#include <streambuf>

// Passes writes on to another buffer until `stop` is set, then refuses them, so that a
// long print (a preview of 100,000 files) ends at once on Ctrl-C instead of running on.
class StoppableOutput : public std::streambuf
{
public:
    StoppableOutput(std::streambuf *target, const std::atomic<bool> &stop);

protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char_type *text, std::streamsize count) override;
    int sync() override;

private:
    std::streambuf *m_target;
    const std::atomic<bool> &m_stop;
};
