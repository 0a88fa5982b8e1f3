#pragma once

#include <cstdint>

// What planning does with one entry of the folder's listing, from what the listing
// tells of it.
struct PlanDecision
{
    bool hidden = false; // its name starts with a dot, or it has none
    bool regular = false; // a regular file, not a folder, link or device
    bool downloadInProgress = false; // a browser still writes it (DownloadsInProgress)
    bool partialFileBeside = false; // a browser's partial file sits beside it

    enum class Action : std::uint8_t {
        leave,
        // The browser's empty placeholder stays: moved only once its size is known
        // and not 0.
        planUnlessEmpty,
        plan,
    };

    constexpr Action decide() const
    {
        if (hidden || !regular || downloadInProgress)
            return Action::leave;
        return partialFileBeside ? Action::planUnlessEmpty : Action::plan;
    }
};
