#pragma once

#include <cstddef>

// The limit on open files: a run holds a handle on each destination folder it
// reaches, and a low soft limit would make moves fail with "Too many open files".
namespace OpenFileLimit {

// Raises the soft limit to the hard one; called once at start. Where that fails,
// the limit stays as it was and the engine lives within it.
void raiseToHardLimit();

// The soft limit in force now; a large number when there is none.
std::size_t current();

} // namespace OpenFileLimit
