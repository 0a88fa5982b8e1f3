#include "StoppableOutput.h"

StoppableOutput::StoppableOutput(std::streambuf *target, const std::atomic<bool> &stop)
    : m_target(target)
    , m_stop(stop)
{ }

StoppableOutput::int_type StoppableOutput::overflow(int_type character)
{
    if (m_stop.load() || traits_type::eq_int_type(character, traits_type::eof()))
        return traits_type::eof();
    return m_target->sputc(traits_type::to_char_type(character));
}

std::streamsize StoppableOutput::xsputn(const char_type *text, std::streamsize count)
{
    return m_stop.load() ? 0 : m_target->sputn(text, count);
}

int StoppableOutput::sync()
{
    return m_target->pubsync();
}
