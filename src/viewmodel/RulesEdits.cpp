#include "RulesEdits.h"

#include "model/FileCategory.h"
#include "model/Text.h"

#include <algorithm>

namespace {

const std::string &othersName()
{
    static const std::string name(rawValue(FileCategory::others));
    return name;
}

RulesDocument::Category *find(RulesDocument &document, const std::string &name)
{
    const auto found = std::find_if(document.categories.begin(), document.categories.end(),
        [&](const RulesDocument::Category &category) { return category.name == name; });
    return found == document.categories.end() ? nullptr : &*found;
}

RulesDocument::Category &entry(RulesDocument &document, const std::string &name)
{
    if (RulesDocument::Category *found = find(document, name))
        return *found;
    document.categories.push_back({});
    document.categories.back().name = name;
    return document.categories.back();
}

// Built-in categories with nothing of their own left say nothing in the file.
void prune(RulesDocument &document)
{
    std::erase_if(document.categories, [](const RulesDocument::Category &category) {
        return RulesEdits::isBuiltIn(category.name) && category.add.empty() && !category.folder
            && !category.subfolders && !category.symbol && !category.color;
    });
}

void dropEverywhere(RulesDocument &document, const std::string &extension)
{
    for (RulesDocument::Category &category : document.categories)
        std::erase(category.add, extension);
}

// Whether the built-in table gives `extension` to the built-in category `name`; Others
// takes every extension no other has, but lists only those sent there.
bool isHome(const std::string &name, const std::string &extension)
{
    const std::optional<FileCategory> builtIn = categoryFromRawValue(name);
    return builtIn && *builtIn != FileCategory::others
        && categoryForExtension(extension) == *builtIn;
}

} // namespace

namespace RulesEdits {

std::string normalizedExtension(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    return Text::toLowerCase(text);
}

bool isBuiltIn(const std::string &name)
{
    return categoryFromRawValue(name).has_value();
}

void addExtension(RulesDocument &document, const std::string &name, const std::string &extension)
{
    dropEverywhere(document, extension);
    if (!isHome(name, extension))
        entry(document, name).add.push_back(extension);
    prune(document);
}

void removeExtension(RulesDocument &document, const std::string &name, const std::string &extension)
{
    dropEverywhere(document, extension);
    if (isHome(name, extension))
        entry(document, othersName()).add.push_back(extension);
    prune(document);
}

void setFolder(RulesDocument &document, const std::string &name, const std::string &folder)
{
    if (folder == name) {
        if (RulesDocument::Category *found = find(document, name))
            found->folder.reset();
    } else {
        entry(document, name).folder = folder;
    }
    prune(document);
}

void setSubfolders(RulesDocument &document, const std::string &name, bool on)
{
    if (on) {
        if (RulesDocument::Category *found = find(document, name))
            found->subfolders.reset();
    } else {
        entry(document, name).subfolders = false;
    }
    prune(document);
}

bool addCategory(RulesDocument &document, const std::string &name)
{
    if (isBuiltIn(name) || find(document, name))
        return false;
    entry(document, name);
    return true;
}

void removeCategory(RulesDocument &document, const std::string &name)
{
    if (!isBuiltIn(name))
        std::erase_if(document.categories,
            [&](const RulesDocument::Category &category) { return category.name == name; });
}

} // namespace RulesEdits
