#pragma once

#include <stdexcept>
#include <string>

// The run journal cannot be written or read. Raised before anything moves when the
// journal's place is unusable, so that no run goes unrecorded.
class JournalError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Another run or undo holds the folder.
class FolderBusyError : public JournalError
{
public:
    using JournalError::JournalError;
};
