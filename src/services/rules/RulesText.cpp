#include "services/rules/RulesText.h"

#include "services/errors/ErrorMessage.h"
#include "services/rules/RulesCheck.h"

#include <algorithm>
#include <cstdio>

#include <toml++/toml.h>

namespace RulesText {
namespace {

RulesPlaces::Place placeOf(const toml::source_region &region)
{
    return { region.begin.line, region.begin.column };
}

class Reader
{
public:
    Reader(const std::string &source, RulesPlaces *places)
        : m_source(source)
        , m_places(places)
    { }

    [[noreturn]] void fail(ErrorKind kind, const std::string &key, const toml::source_region &where)
    {
        RulesCheck::fail(ErrorMessage(kind, { key }), m_source, placeOf(where));
    }

    void remember(const std::string &key, const toml::source_region &where)
    {
        if (m_places)
            m_places->places[key] = placeOf(where);
    }

    std::string text(const toml::node &node, const std::string &key)
    {
        const std::optional<std::string> value = node.value_exact<std::string>();
        if (!value)
            fail(ErrorKind::rulesNotText, key, node.source());
        remember(key, node.source());
        return *value;
    }

    std::vector<std::string> texts(const toml::node &node, const std::string &key)
    {
        const toml::array *array = node.as_array();
        if (!array)
            fail(ErrorKind::rulesNotTextList, key, node.source());
        std::vector<std::string> result;
        for (std::size_t k = 0; k < array->size(); ++k) {
            const toml::node &element = *array->get(k);
            if (!element.is_string())
                fail(ErrorKind::rulesNotTextList, key, element.source());
            result.push_back(text(element, key + "." + std::to_string(k)));
        }
        return result;
    }

    const toml::table &table(const toml::node &node, const std::string &key)
    {
        const toml::table *table = node.as_table();
        if (!table)
            fail(ErrorKind::rulesNotTable, key, node.source());
        return *table;
    }

    // A table's entries in the order the file gives them, which its map forgets.
    static std::vector<std::pair<const toml::key *, const toml::node *>> inFileOrder(
        const toml::table &table)
    {
        std::vector<std::pair<const toml::key *, const toml::node *>> entries;
        for (const auto &[key, node] : table)
            entries.emplace_back(&key, &node);
        std::stable_sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) {
            const auto &x = a.first->source().begin;
            const auto &y = b.first->source().begin;
            return x.line != y.line ? x.line < y.line : x.column < y.column;
        });
        return entries;
    }

    RulesDocument::Category category(const std::string &name, const toml::node &node)
    {
        const std::string key = "category." + name;
        RulesDocument::Category category;
        category.name = name;
        for (const auto &[field, value] : inFileOrder(table(node, key))) {
            const std::string_view fieldName = field->str();
            const std::string fieldKey = key + "." + std::string(fieldName);
            if (fieldName == "add") {
                category.add = texts(*value, fieldKey);
            } else if (fieldName == "folder") {
                category.folder = text(*value, fieldKey);
            } else if (fieldName == "symbol") {
                category.symbol = text(*value, fieldKey);
            } else if (fieldName == "color") {
                category.color = text(*value, fieldKey);
            } else if (fieldName == "subfolders") {
                category.subfolders = value->value_exact<bool>();
                if (!category.subfolders)
                    fail(ErrorKind::rulesNotTrueOrFalse, fieldKey, value->source());
            } else {
                fail(ErrorKind::rulesUnknownKey, fieldKey, field->source());
            }
        }
        return category;
    }

    RulesDocument document(const toml::table &root)
    {
        RulesDocument document;
        for (const auto &[key, node] : inFileOrder(root)) {
            if (key->str() == "category") {
                for (const auto &[name, entry] : inFileOrder(table(*node, "category"))) {
                    remember("category." + std::string(name->str()), name->source());
                    document.categories.push_back(category(std::string(name->str()), *entry));
                }
            } else if (key->str() == "leave-alone") {
                for (const auto &[field, value] : inFileOrder(table(*node, "leave-alone"))) {
                    const std::string fieldKey = "leave-alone." + std::string(field->str());
                    if (field->str() == "names")
                        document.leaveAloneNames = texts(*value, fieldKey);
                    else if (field->str() == "newer-than")
                        document.newerThan = text(*value, fieldKey);
                    else
                        fail(ErrorKind::rulesUnknownKey, fieldKey, field->source());
                }
            } else {
                fail(ErrorKind::rulesUnknownKey, std::string(key->str()), key->source());
            }
        }
        return document;
    }

private:
    const std::string &m_source;
    RulesPlaces *m_places;
};

// `text` as a TOML basic string.
std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", unsigned(byte));
            result += escape;
        } else {
            result += c;
        }
    }
    return result + '"';
}

std::string list(const std::vector<std::string> &texts)
{
    std::string result = "[";
    for (std::size_t k = 0; k < texts.size(); ++k)
        result += (k == 0 ? "" : ", ") + quoted(texts[k]);
    return result + "]";
}

} // namespace

RulesDocument parse(std::string_view text, const std::string &source, RulesPlaces *places)
{
    toml::table root;
    try {
        root = toml::parse(text, source);
    } catch (const toml::parse_error &error) {
        RulesCheck::fail(ErrorMessage(ErrorKind::rulesSyntax, { std::string(error.description()) }),
            source, placeOf(error.source()));
    }
    return Reader(source, places).document(root);
}

std::string write(const RulesDocument &document)
{
    std::string text
        = "# Tidyra's sorting rules. The Rules window rewrites this file when it saves:\n"
          "# comments and the order of keys are not kept.\n";
    for (const RulesDocument::Category &category : document.categories) {
        text += "\n[category." + quoted(category.name) + "]\n";
        if (!category.add.empty())
            text += "add = " + list(category.add) + "\n";
        if (category.folder)
            text += "folder = " + quoted(*category.folder) + "\n";
        if (category.subfolders)
            text += std::string("subfolders = ") + (*category.subfolders ? "true" : "false") + "\n";
        if (category.symbol)
            text += "symbol = " + quoted(*category.symbol) + "\n";
        if (category.color)
            text += "color = " + quoted(*category.color) + "\n";
    }
    if (!document.leaveAloneNames.empty() || !document.newerThan.empty()) {
        text += "\n[leave-alone]\n";
        if (!document.leaveAloneNames.empty())
            text += "names = " + list(document.leaveAloneNames) + "\n";
        if (!document.newerThan.empty())
            text += "newer-than = " + quoted(document.newerThan) + "\n";
    }
    return text;
}

} // namespace RulesText
