#pragma once

#include <string>
#include <vector>

// The least work that organizing a folder can take in system calls, as a yardstick
// for the engine: one directory pass, one existence check per destination, one mkdir
// per folder, one renameat2 per file; undo is the renames in reverse. Where the file
// system has no renameat2 flags (sshfs), a plain rename after the existence check.
namespace Baseline {

struct Move
{
    std::string name;
    std::size_t folder; // index into Plan::folders
};

struct Plan
{
    std::vector<std::string> folders; // relative, parents before children
    std::vector<Move> moves;
    std::size_t taken = 0; // destinations that already existed (not handled further)
};

// Fills the extension table; call once before timing.
void prepare();

Plan plan(const std::string &folder);
// Returns the number of files moved.
std::size_t organize(const std::string &folder, const Plan &plan);
std::size_t undo(const std::string &folder, const Plan &plan);

} // namespace Baseline
