#include "RulesPrinter.h"

#include "model/Text.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/paths/PathCodec.h"

#include <ostream>

#include <nlohmann/json.hpp>

namespace RulesPrinter {
namespace {

// "2d", "36h", "90m": the largest unit the time is a whole number of.
std::string duration(std::int64_t seconds)
{
    if (seconds % 86400 == 0)
        return std::to_string(seconds / 86400) + "d";
    if (seconds % 3600 == 0)
        return std::to_string(seconds / 3600) + "h";
    return std::to_string(seconds / 60) + "m";
}

} // namespace

void writeText(std::ostream &out, const SortingRules &rules, const std::filesystem::path &file)
{
    if (rules.source().empty())
        out << "Sorting rules: built in (no rules file at "
            << ErrorDescriptions::inQuotes(file.native()) << ")\n";
    else
        out << "Sorting rules from " << ErrorDescriptions::inQuotes(rules.source()) << '\n';
    for (const SortingRules::Category &category : rules.categories()) {
        out << Text::displayText(category.label.name) << " → "
            << Text::displayText(category.label.folder) << "/ ("
            << (category.subfolders ? "a sub-folder per extension" : "no sub-folders") << ")\n";
        std::string line;
        for (const std::string &extension : category.extensions)
            line += ' ' + Text::displayText(extension);
        if (&category == &rules.categories().back())
            line += " and every other extension";
        out << ' ' << line << '\n';
    }
    out << "Left alone: ";
    if (!rules.leavesAnyAlone())
        out << "nothing";
    const std::vector<std::string> &names = rules.leaveAloneNames();
    for (std::size_t k = 0; k < names.size(); ++k)
        out << (k == 0 ? "names " : ", ") << ErrorDescriptions::inQuotes(names[k]);
    if (rules.newerThanSeconds())
        out << (names.empty() ? "" : "; ") << "files changed in the last "
            << duration(*rules.newerThanSeconds());
    out << '\n';
}

void writeJson(std::ostream &out, const SortingRules &rules)
{
    using Json = nlohmann::ordered_json;
    Json categories = Json::array();
    for (const SortingRules::Category &category : rules.categories())
        categories.push_back({ { "name", category.label.name }, { "folder", category.label.folder },
            { "extensions", category.extensions }, { "subfolders", category.subfolders } });
    const Json document {
        { "file", rules.source().empty() ? Json(nullptr) : PathCodec::encode(rules.source()) },
        { "categories", std::move(categories) },
        { "leaveAlone",
            { { "names", rules.leaveAloneNames() },
                { "newerThanSeconds",
                    rules.newerThanSeconds() ? Json(*rules.newerThanSeconds())
                                             : Json(nullptr) } } },
    };
    out << document.dump(2) << '\n';
}

} // namespace RulesPrinter
