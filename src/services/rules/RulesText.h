#pragma once

#include "model/RulesDocument.h"
#include "services/rules/RulesPlaces.h"

#include <string>
#include <string_view>

// The rules file's TOML, read and written.
namespace RulesText {

// What `text` says. Throws EngineError naming `source`, the line and the column when
// it is no TOML, holds a key the rules do not know or a value of the wrong type.
// `places`, when given, learns where each value was written, for the checks after.
RulesDocument parse(
    std::string_view text, const std::string &source, RulesPlaces *places = nullptr);
// `document` as TOML that parse reads back as it is, with a note at the top.
std::string write(const RulesDocument &document);

} // namespace RulesText
