#include "model/SortingRules.h"

#include "model/FileName.h"
#include "model/Text.h"

std::shared_ptr<const SortingRules> SortingRules::builtIn()
{
    // Made once: every plan without a rules file shares it.
    static const std::shared_ptr<const SortingRules> rules = [] {
        std::vector<Category> categories;
        for (FileCategory category : allCases) {
            Category entry { category, true, {} };
            for (std::string_view extension : extensions(category)) {
                // A later category takes an extension from an earlier one: "ts" is code.
                if (extensionMap().at(std::string(extension)) == category)
                    entry.extensions.emplace_back(extension);
            }
            categories.push_back(std::move(entry));
        }
        return std::make_shared<const SortingRules>(
            std::move(categories), std::vector<NamePattern> {}, std::nullopt, std::string());
    }();
    return rules;
}

SortingRules::SortingRules(std::vector<Category> categories, std::vector<NamePattern> leaveAlone,
    std::optional<std::int64_t> newerThanSeconds, std::string source)
    : m_categories(std::move(categories))
    , m_leaveAlone(std::move(leaveAlone))
    , m_newerThanSeconds(newerThanSeconds)
    , m_source(std::move(source))
{
    std::size_t count = 0;
    for (const Category &category : m_categories)
        count += category.extensions.size();
    m_byExtension.reserve(count);
    for (std::size_t index = 0; index < m_categories.size(); ++index) {
        for (const std::string &extension : m_categories[index].extensions)
            m_byExtension.emplace(extension, std::uint32_t(index));
    }
    for (const NamePattern &pattern : m_leaveAlone)
        m_leaveAloneNames.push_back(pattern.text());
}

std::size_t SortingRules::categoryFor(std::string_view extension) const
{
    if (extension.empty())
        return othersIndex();
    const auto found = m_byExtension.find(Text::toLowerCase(extension));
    return found == m_byExtension.end() ? othersIndex() : found->second;
}

std::size_t SortingRules::categoryForName(std::string_view fileName) const
{
    return categoryFor(FileName::extension(fileName));
}

bool SortingRules::leavesAlone(
    std::string_view fileName, std::int64_t modifiedSeconds, std::int64_t nowSeconds) const
{
    if (m_newerThanSeconds && nowSeconds - modifiedSeconds < *m_newerThanSeconds)
        return true;
    if (m_leaveAlone.empty())
        return false;
    const std::u32string folded = NamePattern::fold(fileName);
    for (const NamePattern &pattern : m_leaveAlone) {
        if (pattern.matchesFolded(folded))
            return true;
    }
    return false;
}
