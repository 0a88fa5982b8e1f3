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
    // One change, and whether it ended a write: the file was closed after writing, or
    // moved in whole. Whoever wrote it is done, unless another program still holds it
    // open for writing too.
    struct Change
    {
        std::string name; // bytes
        bool endsWrite = false;
    };
    // Appends the changes since the last call, in the order they came, without
    // waiting. `overflowed` is set when changes were lost, so that every entry must
    // count as changed. Throws EngineError when the folder can no longer be watched
    // (removed, moved away, or its file system unmounted).
    virtual void takeChanges(std::vector<Change> &changes, bool &overflowed) = 0;
};
