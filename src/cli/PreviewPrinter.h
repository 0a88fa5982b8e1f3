#pragma once

#include "model/OrganizationPlan.h"
#include "services/organizing/PlanObstacles.h"

#include <iosfwd>

// How `tidyra-cli preview` shows a plan.
namespace PreviewPrinter {

// The summary line ("3 files will be moved", ", 1 will be skipped" when `obstacles`
// stop some, "; 2 left alone by your rules" when the rules keep some), then the folder
// tree the plan forms: category folders as "Images/", their sub-folders indented by two
// blanks, file names (present names) by two more, with " → " and the new name where a
// file gets a numbered one. Files that land in a category folder that also holds
// sub-folders come right under the category line. Last, the files that would be
// skipped, under "Will be skipped:", each with the reason.
void writeText(
    std::ostream &out, const OrganizationPlan &list, const PlanObstacles &obstacles = {});

// {"folder": PATH, "operations": [{"source", "destination", "category", "subGroup"}],
// "skipped": [{"source", "reason"}], "leftAlone": N} with the operations in plan order
// (all of them, those that would be skipped included), each with its category's name,
// and the moves that would be skipped in plan order; paths and sub-groups as PathCodec
// writes them, subGroup null when the file goes straight into its category folder.
void writeJson(
    std::ostream &out, const OrganizationPlan &list, const PlanObstacles &obstacles = {});

} // namespace PreviewPrinter
