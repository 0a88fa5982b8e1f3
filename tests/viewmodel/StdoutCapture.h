#pragma once

#include <QByteArray>
#include <QTemporaryFile>

// Sends file descriptor 1 to a temporary file until finish(), so that what the
// engine prints to standard output can be checked.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture &) = delete;
    StdoutCapture &operator=(const StdoutCapture &) = delete;

    // Restores standard output and returns everything written meanwhile.
    QByteArray finish();

private:
    QTemporaryFile m_file;
    int m_savedFd = -1;
};
