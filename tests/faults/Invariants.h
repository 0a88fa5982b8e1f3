#pragma once

#include "FileMoveOperation.h"
#include "OrganizationPlan.h"
#include "TempDir.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

// The promises of the engine, each as a check that returns a readable list of what
// is broken, empty when the promise holds. Files are recognised by content, which
// the scenes keep unique.
namespace Invariants {

// Every regular file of `before` is in `after` exactly once (anywhere), with its
// content, mode and time, and `after` holds no regular file that `before` lacked.
std::string eachFileOnce(const TreeSnapshot &before, const TreeSnapshot &after);

// The same, against a multiset of expected contents (for runs where something else
// adds and removes files meanwhile).
std::string contentsAre(const std::multiset<std::string> &expected, const TreeSnapshot &after);
std::multiset<std::string> fileContents(const TreeSnapshot &tree);

// The executed list is the plan's moves (same identities, plan order) that really
// happened: their sources are gone and their destinations hold the content; every
// other move of the plan left its file where it was. `before` is the folder's
// snapshot before the run.
std::string executedIsExact(const OrganizationPlan &plan,
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before);

// Each executed move is either done or undone, never both or neither.
std::string eachMoveDoneOrUndone(
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before);

// Every move is undone: each source holds its file again and its destination is free.
std::string allUndone(const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before);

// `after` is `before` again, except that empty category folders directly in the
// folder may have gone, and empty folders may have been added.
std::string sameTreeUpToEmptyFolders(const TreeSnapshot &before, const TreeSnapshot &after);

} // namespace Invariants
