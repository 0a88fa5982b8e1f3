#pragma once

#include <cstdint>

// What a run does with one planned move just before announcing it, from a fresh look
// at the file (taken only while its target folder can take files).
struct MoveDecision
{
    bool targetBlocked = false; // something not a folder of ours stands in the way
    int lookError = 0; // looking at the file under its name, an errno
    bool regular = false; // what the look found is still a regular file

    enum class Action : std::uint8_t {
        skipBlocked, // said why the target folder cannot take it
        skipUnreadable, // the look failed: said why
        // A folder or link put in its place after planning stays.
        skipChanged,
        announce,
    };

    constexpr Action decide() const
    {
        if (targetBlocked)
            return Action::skipBlocked;
        if (lookError != 0)
            return Action::skipUnreadable;
        return regular ? Action::announce : Action::skipChanged;
    }
};
