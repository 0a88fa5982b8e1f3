#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text handling shared by the engine and its front ends. Strings are UTF-8 where
// they are valid; file names are bytes and may not be.
namespace Text {

bool isValidUtf8(std::string_view bytes);

// Default Unicode full case mapping (root locale, so "straße" upper-cases to
// "STRASSE"). On bytes that are not valid UTF-8 only ASCII letters are mapped.
std::string toLowerCase(std::string_view bytes);
std::string toUpperCase(std::string_view bytes);

// The key that orders text: the canonically composed form (NFC), compared byte by
// byte, which for UTF-8 is code-point order. Invalid UTF-8 sorts by its raw bytes.
std::string sortKey(std::string_view bytes);
bool lessThan(std::string_view a, std::string_view b);
// Sorts in that order; the keys are worked out once per text, and not at all when
// every text is plain ASCII (already its own key).
void sortTexts(std::vector<std::string> &texts);

// A name (or a text holding names) fit for showing on one line, in a terminal as in
// a window: invalid sequences become U+FFFD, and control characters (C0, DEL, C1) and
// the Unicode line and paragraph separators are written as escapes ("\n", "\x1B",
// "\u009B"), so a name can neither start a line of its own nor send an escape
// sequence. The result holds no control character, so showing it again changes nothing.
std::string displayText(std::string_view bytes);

// "1 file", "0 files", "1000 files": plain decimal, "s" unless exactly one.
std::string fileCount(std::uint64_t count);

} // namespace Text
