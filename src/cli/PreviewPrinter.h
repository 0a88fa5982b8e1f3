#pragma once

#include "MoveList.h"

#include <iosfwd>

// How `tidyra-cli preview` shows a plan.
namespace PreviewPrinter {

// The summary line ("3 files will be moved"), then the folder tree the plan forms:
// category folders as "Images/", their sub-folders indented by two blanks, file
// names (present names) by two more. Files that land in a category folder that
// also holds sub-folders come right under the category line.
void writeText(std::ostream &out, const MoveList &list);

// {"folder": PATH, "operations": [{"source", "destination", "category", "subGroup"}]}
// in plan order; paths and sub-groups as PathCodec writes them, subGroup null when
// the file goes straight into its category folder.
void writeJson(std::ostream &out, const MoveList &list);

} // namespace PreviewPrinter
