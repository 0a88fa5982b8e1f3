#pragma once

#include "UndoRecord.h"

#include <nlohmann/json_fwd.hpp>

// The undo journal's JSON:
//   {"version": 1, "folder": PATH, "operations": [{"source": PATH, "destination": PATH}, ...]}
// with paths as PathCodec writes them. Reading trusts nothing: the journal is a
// file any program could have changed, and undo moves files by what it says.
namespace JournalFormat {

inline constexpr int currentVersion = 1;

nlohmann::ordered_json toJson(const UndoRecord &record);

// Throws std::invalid_argument naming the fault when the document is not a
// version 1 journal, or when a move reaches outside the organized folder: every
// source must be FOLDER/NAME and every destination FOLDER/CATEGORY/NAME or
// FOLDER/CATEGORY/SUB/NAME, with CATEGORY one of the category folder names and no
// component empty, "." or "..". FOLDER itself must be absolute and plain.
UndoRecord fromJson(const nlohmann::ordered_json &document);

} // namespace JournalFormat
