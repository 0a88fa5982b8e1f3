#pragma once

#include "model/SortingRules.h"

#include <filesystem>
#include <iosfwd>

// How `tidyra-cli rules` shows the rules in force, read from `file` (or built in when
// their source is empty).
namespace RulesPrinter {

// Where the rules come from, then each category as "Name → Folder/ (...)" with its
// extensions indented below, then what is left alone.
void writeText(std::ostream &out, const SortingRules &rules, const std::filesystem::path &file);
// {"file": PATH or null, "categories": [{"name", "folder", "extensions", "subfolders"}],
// "leaveAlone": {"names": [...], "newerThanSeconds": N or null}}.
void writeJson(std::ostream &out, const SortingRules &rules);

} // namespace RulesPrinter
