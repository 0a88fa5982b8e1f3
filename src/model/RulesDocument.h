#pragma once

#include <optional>
#include <string>
#include <vector>

// What a rules file says, as it is written and as the app edits it: nothing resolved,
// nothing checked (SortingRules::fromDocument checks it).
struct RulesDocument
{
    struct Category
    {
        std::string name; // a built-in category's folder name, or a new category's
        std::vector<std::string> add; // extensions that go here
        std::optional<std::string> folder;
        std::optional<bool> subfolders;
        std::optional<std::string> symbol; // a built-in category's name
        std::optional<std::string> color; // a colour's name: "blue", "gray"

        bool operator==(const Category &) const = default;
    };

    std::vector<Category> categories; // in file order
    std::vector<std::string> leaveAloneNames; // shell patterns
    std::string newerThan; // "30m", "12h", "2d"; empty: none

    bool empty() const
    {
        return categories.empty() && leaveAloneNames.empty() && newerThan.empty();
    }
    bool operator==(const RulesDocument &) const = default;
};
