#pragma once

#include "model/CategoryLabel.h"
#include "model/NamePattern.h"
#include "model/RulesDocument.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The rules in force, resolved: which category each extension goes to, how each
// category is named and shown, and which files are left alone. Immutable once made,
// so one instance is shared between threads and runs.
class SortingRules
{
public:
    struct Category
    {
        CategoryLabel label;
        bool subfolders = true; // a sub-folder per extension when it holds several
        std::vector<std::string> extensions; // lower case, no dot
    };

    // Today's table, with nothing left alone.
    static std::shared_ptr<const SortingRules> builtIn();
    // Throws EngineError (an ErrorMessage of a rules kind) when the document is
    // invalid; `source` names the file in messages ("" for the app's unsaved edits).
    // Defined with the rules part of the engine (services/rules), which checks the
    // document and alone may throw EngineError: link tidyra_services to use it.
    static std::shared_ptr<const SortingRules> fromDocument(
        const RulesDocument &document, const std::string &source);

    // Built-in order, new ones in file order, Others last. `categories` is checked
    // already: no extension twice, Others last.
    SortingRules(std::vector<Category> categories, std::vector<NamePattern> leaveAlone,
        std::optional<std::int64_t> newerThanSeconds, std::string source);

    const std::vector<Category> &categories() const { return m_categories; }
    // The index of the category of `extension` (any letter case, no dot; empty gives
    // Others).
    std::size_t categoryFor(std::string_view extension) const;
    // The index of the category of `fileName`, by its extension.
    std::size_t categoryForName(std::string_view fileName) const;
    std::size_t othersIndex() const { return m_categories.size() - 1; }
    // Whether the rules keep `fileName` where it is: its name matches a leave-alone
    // pattern, or it was modified less than newer-than ago.
    bool leavesAlone(
        std::string_view fileName, std::int64_t modifiedSeconds, std::int64_t nowSeconds) const;
    // Whether leavesAlone needs the file's modification time at all.
    bool needsModificationTime() const { return m_newerThanSeconds.has_value(); }
    // Whether leavesAlone can be true for any file.
    bool leavesAnyAlone() const { return !m_leaveAlone.empty() || m_newerThanSeconds; }
    const std::vector<std::string> &leaveAloneNames() const { return m_leaveAloneNames; }
    std::optional<std::int64_t> newerThanSeconds() const { return m_newerThanSeconds; }
    const std::string &source() const { return m_source; } // the file read; "" when built in

private:
    std::vector<Category> m_categories;
    std::unordered_map<std::string, std::uint32_t> m_byExtension;
    std::vector<NamePattern> m_leaveAlone;
    std::vector<std::string> m_leaveAloneNames;
    std::optional<std::int64_t> m_newerThanSeconds;
    std::string m_source;
};
