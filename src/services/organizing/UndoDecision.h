#pragma once

#include <cerrno>
#include <cstdint>

// What an undo does with one file of the run it takes back, from where a fresh look
// found it (RecordedFileLook::Whereabouts) and whether the run is known to have moved it.
struct UndoDecision
{
    bool atDestination = false; // still where the run put it, the same file
    bool atSource = false; // at its old name already
    bool aside = false; // under the private name a cut-short link-route move set aside
    bool knownMoved = false; // a mark says the run moved it
    int folderError = 0; // opening its destination folder, an errno
    int destinationError = 0; // looking at its destination, when the folder opened

    enum class Action : std::uint8_t {
        moveBack, // from where the run put it
        settleAsBack, // there already: never moved, or put back by an undo that could not say so
        moveBackFromAside,
        forget, // announced, never moved, and no longer where it was: nothing of the run's
        leaveOtherItem, // another item, or the file changed since, is at its new name
        leaveGone, // no longer in its new folder
        keepPending, // the look failed in a way that may pass: a later undo tries again
    };

    constexpr Action decide() const
    {
        if (atDestination)
            return Action::moveBack;
        if (atSource)
            return Action::settleAsBack;
        if (aside)
            return Action::moveBackFromAside;
        if (!knownMoved && (folderError != 0 || destinationError != 0))
            return Action::forget;
        if (folderError == 0 && destinationError == 0)
            return Action::leaveOtherItem;
        if (folderError == ENOENT || folderError == ENOTDIR || folderError == ELOOP
            || destinationError == ENOENT)
            return Action::leaveGone;
        return Action::keepPending;
    }
};
