#pragma once

#include "model/RulesDocument.h"

#include <string>
#include <string_view>

// The Rules window's edits, each made on the document as a person would write the file
// by hand: a built-in category appears in it only while something of it differs from the
// built-in table, so the file stays short and what the user did not touch stays the
// default. None of them checks the result: SortingRules::fromDocument does.
namespace RulesEdits {

// How the rules keep an extension: no blanks around it, no leading dot, lower case.
std::string normalizedExtension(std::string_view text);
// `extension` goes to the category `name`, taken from wherever it was.
void addExtension(RulesDocument &document, const std::string &name, const std::string &extension);
// `extension` leaves the category `name`: one the user had added there goes back where
// the built-in table puts it; one the built-in table gives to that (built-in) category
// goes to Others.
void removeExtension(
    RulesDocument &document, const std::string &name, const std::string &extension);
// The folder of the category `name`; its own name means the default folder.
void setFolder(RulesDocument &document, const std::string &name, const std::string &folder);
void setSubfolders(RulesDocument &document, const std::string &name, bool on);
// A new category `name`, unless one of that name is there already; false then.
bool addCategory(RulesDocument &document, const std::string &name);
// Only one the user made: its extensions go back where the built-in table puts them.
void removeCategory(RulesDocument &document, const std::string &name);
bool isBuiltIn(const std::string &name);

} // namespace RulesEdits
