#pragma once

#include "TempDir.h"
#include "model/OrganizationPlan.h"

#include <string>
#include <vector>

// The promises of the engine, each as a check that returns a readable list of what
// is broken, empty when the promise holds. Files are recognised by content, which
// the scenes keep unique.
namespace Invariants {

// `after` holds exactly the regular files of `before`, by content, each with its mode
// and time wherever it is now.
std::string eachFileOnce(const TreeSnapshot &before, const TreeSnapshot &after);

// The executed list is the plan's moves (same identities, plan order) that really
// happened; every other move of the plan left its file where it was.
std::string executedIsExact(const OrganizationPlan &plan,
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before);
// Each executed move is either done or undone, never both or neither.
std::string eachMoveDoneOrUndone(
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before);

// `after` is `before` again, except that empty category folders directly in the
// folder may have gone, and empty folders may have been added.
std::string sameTreeUpToEmptyFolders(const TreeSnapshot &before, const TreeSnapshot &after);

} // namespace Invariants
