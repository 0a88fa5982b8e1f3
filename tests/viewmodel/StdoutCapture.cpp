#include "StdoutCapture.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {

void flushStdout()
{
    std::cout.flush();
    std::fflush(stdout);
}

} // namespace

StdoutCapture::StdoutCapture()
{
    if (!m_file.open())
        return;
    flushStdout();
    m_savedFd = ::dup(STDOUT_FILENO);
    if (m_savedFd >= 0)
        ::dup2(m_file.handle(), STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    finish();
}

QByteArray StdoutCapture::finish()
{
    if (m_savedFd < 0)
        return {};
    flushStdout();
    ::dup2(m_savedFd, STDOUT_FILENO);
    ::close(m_savedFd);
    m_savedFd = -1;
    m_file.seek(0);
    return m_file.readAll();
}
