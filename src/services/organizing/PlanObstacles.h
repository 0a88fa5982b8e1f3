#pragma once

#include "model/OrganizationPlan.h"
#include "services/errors/ErrorMessage.h"
#include "services/filesystem/FileSystem.h"

#include <cstddef>
#include <string>
#include <vector>

// What stands in the way of a plan before it runs: a destination folder that is a
// symbolic link, not a folder, or cannot be opened. Moves into such a folder would be
// skipped, so the preview shows them as such instead of promising them. Reads only;
// a folder that does not exist yet is no obstacle (the run makes it).
class PlanObstacles
{
public:
    PlanObstacles() = default;
    // Looks at every target of `plan` inside its folder, without following links.
    PlanObstacles(FileSystem &fileSystem, const OrganizationPlan &plan);

    // Why moves into target `target` would be skipped; empty when they would not.
    const ErrorMessage &reason(std::size_t target) const;
    bool blocks(const OrganizationPlan::Move &move) const { return !reason(move.target).empty(); }
    // How many moves of the plan would be skipped.
    std::size_t blockedMoves() const { return m_blockedMoves; }

private:
    std::vector<ErrorMessage> m_reasons; // per target
    std::size_t m_blockedMoves = 0;
};
