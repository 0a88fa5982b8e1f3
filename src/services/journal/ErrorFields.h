#pragma once

#include "services/errors/ErrorMessage.h"

#include <optional>
#include <string>

class JournalLineReader;

// A failure as members of a journal line: its kind by key, its arguments as paths are
// kept in JSON (PathCodec), its errno, and the message it wraps under keys that start
// "in." (one more for each level):
//   ,"why":"cannotMoveTo","a1":NAME,"a2":FOLDER,"errno":13
// No prose is kept, so the app can show the text in the user's language.
namespace ErrorFields {

// Appends the members, each after a comma, to a line's object being written.
void append(std::string &out, const ErrorMessage &message);
// The message a line holds; nothing when it holds none, or a key of no kind.
std::optional<ErrorMessage> read(const JournalLineReader &line);

} // namespace ErrorFields
