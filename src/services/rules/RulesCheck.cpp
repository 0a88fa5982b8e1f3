#include "services/rules/RulesCheck.h"

#include "model/Text.h"
#include "services/errors/EngineError.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <unordered_map>

namespace RulesCheck {
namespace {

constexpr std::size_t longestName = 255; // NAME_MAX of every file system Tidyra works on

constexpr std::array<std::pair<std::string_view, NamedColor>, 11> colorNames { {
    { "purple", NamedColor::purple },
    { "blue", NamedColor::blue },
    { "orange", NamedColor::orange },
    { "pink", NamedColor::pink },
    { "green", NamedColor::green },
    { "brown", NamedColor::brown },
    { "red", NamedColor::red },
    { "indigo", NamedColor::indigo },
    { "teal", NamedColor::teal },
    { "cyan", NamedColor::cyan },
    { "gray", NamedColor::gray },
} };

class Resolver
{
public:
    Resolver(const std::string &source, const RulesPlaces *places)
        : m_source(source)
        , m_places(places)
    { }

    [[noreturn]] void fail(const ErrorMessage &problem, const std::string &key) const
    {
        RulesCheck::fail(problem, m_source, m_places ? m_places->at(key) : RulesPlaces::Place {});
    }

    // The built-in category named `name`, in any letter case.
    static std::optional<FileCategory> builtInNamed(std::string_view name)
    {
        const std::string lowered = Text::toLowerCase(name);
        for (FileCategory category : allCases) {
            if (Text::toLowerCase(rawValue(category)) == lowered)
                return category;
        }
        return std::nullopt;
    }

    // `written` as the rules keep it: lower case, without a leading dot.
    std::string extension(std::string_view written, const std::string &key) const
    {
        if (!written.empty() && written.front() == '.')
            written.remove_prefix(1);
        if (written.empty() || written.find_first_of(std::string_view("./\0", 3)) != written.npos)
            fail(ErrorMessage(ErrorKind::rulesBadExtension, { std::string(written) }), key);
        return Text::toLowerCase(written);
    }

    void checkFolder(
        const std::string &category, const std::string &folder, const std::string &key) const
    {
        if (folder.empty())
            fail(ErrorMessage(ErrorKind::rulesFolderEmpty, { category }), key);
        if (folder == "." || folder == "..")
            fail(ErrorMessage(ErrorKind::rulesFolderDots, { category, folder }), key);
        if (folder.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
            fail(ErrorMessage(ErrorKind::rulesFolderSlash, { category, folder }), key);
        if (folder.front() == '.')
            fail(ErrorMessage(ErrorKind::rulesFolderHidden, { category, folder }), key);
        if (folder.size() > longestName)
            fail(ErrorMessage(ErrorKind::rulesFolderTooLong, { category }), key);
    }

    static std::optional<std::int64_t> duration(std::string_view text)
    {
        if (text.size() < 2 || text.size() > 10)
            return std::nullopt;
        std::int64_t count = 0;
        const char *end = text.data() + text.size() - 1;
        const auto [stop, error] = std::from_chars(text.data(), end, count);
        if (error != std::errc() || stop != end || text.front() == '-' || text.front() == '+')
            return std::nullopt;
        switch (text.back()) {
        case 'm':
            return count * 60;
        case 'h':
            return count * 3600;
        case 'd':
            return count * 86400;
        default:
            return std::nullopt;
        }
    }

    std::shared_ptr<const SortingRules> resolve(const RulesDocument &document) const
    {
        // Built-in ones first, then new ones as they come; Others is put last at the end.
        std::vector<SortingRules::Category> categories = SortingRules::builtIn()->categories();
        // Keys of where each category's folder was said, for naming it in a fault.
        std::vector<std::string> folderKey(categories.size());
        std::unordered_map<std::string, std::size_t> named; // lower-case name to index
        std::unordered_map<std::string, std::size_t> claimed; // extension to index
        for (const RulesDocument::Category &entry : document.categories) {
            const std::string key = "category." + entry.name;
            const std::optional<FileCategory> builtIn = builtInNamed(entry.name);
            const std::size_t index = builtIn ? std::size_t(*builtIn) : categories.size();
            if (!named.try_emplace(Text::toLowerCase(entry.name), index).second)
                fail(ErrorMessage(ErrorKind::rulesCategoryTwice, { entry.name }), key);
            if (!builtIn) {
                categories.push_back({ { entry.name, entry.name }, true, {} });
                folderKey.push_back(key);
            }
            SortingRules::Category &category = categories[index];
            if (entry.folder) {
                category.label.folder = *entry.folder;
                folderKey[index] = key + ".folder";
            }
            if (entry.subfolders)
                category.subfolders = *entry.subfolders;
            if (entry.symbol) {
                const std::optional<FileCategory> symbol = builtInNamed(*entry.symbol);
                if (!symbol)
                    fail(ErrorMessage(ErrorKind::rulesUnknownSymbol, { *entry.symbol }),
                        key + ".symbol");
                category.label.symbol = *symbol;
            }
            if (entry.color) {
                const auto found = std::find_if(colorNames.begin(), colorNames.end(),
                    [&](const auto &pair) { return pair.first == *entry.color; });
                if (found == colorNames.end())
                    fail(ErrorMessage(ErrorKind::rulesUnknownColor, { *entry.color }),
                        key + ".color");
                category.label.color = found->second;
            }
            for (std::size_t k = 0; k < entry.add.size(); ++k) {
                const std::string addKey = key + ".add." + std::to_string(k);
                std::string added = extension(entry.add[k], addKey);
                const auto [at, isNew] = claimed.try_emplace(added, index);
                if (!isNew && at->second != index)
                    fail(ErrorMessage(ErrorKind::rulesExtensionTwice,
                             { added, categories[at->second].label.name, entry.name }),
                        addKey);
                std::vector<std::string> &held = categories[index].extensions;
                if (isNew && std::find(held.begin(), held.end(), added) == held.end())
                    held.push_back(std::move(added));
            }
        }
        // An added extension leaves the category that held it.
        for (std::size_t index = 0; index < categories.size(); ++index) {
            std::erase_if(categories[index].extensions, [&](const std::string &extension) {
                const auto found = claimed.find(extension);
                return found != claimed.end() && found->second != index;
            });
        }
        const auto others = std::ptrdiff_t(FileCategory::others);
        std::rotate(categories.begin() + others, categories.begin() + others + 1, categories.end());
        std::rotate(folderKey.begin() + others, folderKey.begin() + others + 1, folderKey.end());

        std::unordered_map<std::string, std::size_t> folders; // lower case, as some disks see it
        for (std::size_t index = 0; index < categories.size(); ++index) {
            const CategoryLabel &label = categories[index].label;
            const std::string &key
                = folderKey[index].empty() ? "category." + label.name : folderKey[index];
            checkFolder(label.name, label.folder, key);
            const auto [at, isNew] = folders.try_emplace(Text::toLowerCase(label.folder), index);
            if (!isNew)
                fail(ErrorMessage(ErrorKind::rulesFolderTwice,
                         { categories[at->second].label.name, label.name, label.folder }),
                    key);
        }

        std::vector<NamePattern> patterns;
        for (std::size_t k = 0; k < document.leaveAloneNames.size(); ++k) {
            std::optional<NamePattern> pattern = NamePattern::parse(document.leaveAloneNames[k]);
            if (!pattern)
                fail(ErrorMessage(ErrorKind::rulesBadPattern, { document.leaveAloneNames[k] }),
                    "leave-alone.names." + std::to_string(k));
            patterns.push_back(std::move(*pattern));
        }
        std::optional<std::int64_t> newerThan;
        if (!document.newerThan.empty()) {
            newerThan = duration(document.newerThan);
            if (!newerThan)
                fail(ErrorMessage(ErrorKind::rulesBadDuration, { document.newerThan }),
                    "leave-alone.newer-than");
        }
        return std::make_shared<const SortingRules>(
            std::move(categories), std::move(patterns), newerThan, m_source);
    }

private:
    const std::string &m_source;
    const RulesPlaces *m_places;
};

} // namespace

std::shared_ptr<const SortingRules> resolve(
    const RulesDocument &document, const std::string &source, const RulesPlaces *places)
{
    return Resolver(source, places).resolve(document);
}

void fail(const ErrorMessage &problem, const std::string &source, RulesPlaces::Place place)
{
    const std::error_code code = make_error_code(EngineCondition::rulesInvalid);
    if (source.empty())
        throw EngineError(code, problem);
    if (place.line == 0)
        throw EngineError(code, ErrorMessage(ErrorKind::rulesIn, { source }, 0, { problem }));
    throw EngineError(code,
        ErrorMessage(ErrorKind::rulesAt,
            { source, std::to_string(place.line), std::to_string(place.column) }, 0, { problem }));
}

} // namespace RulesCheck

std::shared_ptr<const SortingRules> SortingRules::fromDocument(
    const RulesDocument &document, const std::string &source)
{
    return RulesCheck::resolve(document, source, nullptr);
}
