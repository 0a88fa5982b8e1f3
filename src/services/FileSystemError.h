#pragma once

#include <stdexcept>
#include <string>

// A failure of an engine operation: the errno behind it and a description that
// names the item and the reason, fit to show to the user.
class FileSystemError : public std::runtime_error
{
public:
    FileSystemError(int code, const std::string &description)
        : std::runtime_error(description)
        , m_code(code)
    { }

    int code() const { return m_code; }
    std::string description() const { return what(); }

private:
    int m_code;
};
