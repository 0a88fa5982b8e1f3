#pragma once

#include <string>
#include <vector>

// Tells which entries directly in one folder changed: created, written, closed after
// writing, moved in, or given other attributes. Sub-folders are not watched.
class ChangeSource
{
public:
    virtual ~ChangeSource() = default;

    // A descriptor that becomes readable when changes wait, to poll on; -1 when there
    // is none (a source that is only ever asked).
    virtual int readyHandle() const = 0;
    // Appends the names (bytes) that changed since the last call, without waiting.
    // `overflowed` is set when changes were lost, so that every entry must count as
    // changed. Throws EngineError when the folder can no longer be watched (removed,
    // moved away, or its file system unmounted).
    virtual void takeChanges(std::vector<std::string> &names, bool &overflowed) = 0;
};
