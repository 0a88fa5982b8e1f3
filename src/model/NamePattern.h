#pragma once

#include <optional>
#include <string>
#include <string_view>

// A shell pattern for file names ("*.torrent", "Invoice ?*", "[!a-c]*"), matched
// case-insensitively: `*` any characters, `?` one, `[...]` one of a set or range
// (`[!...]` or `[^...]` none of them), `\` takes the next character as it is.
class NamePattern
{
public:
    // Nothing when `pattern` cannot be used: empty, holds "/" or NUL (a name never
    // does), a `[` never closed, or a `\` with nothing after it.
    static std::optional<NamePattern> parse(std::string_view pattern);

    // Whether `name` (bytes, UTF-8) matches.
    bool matches(std::string_view name) const { return matchesFolded(fold(name)); }
    // `name` as patterns compare it: lower case, by code point. Made once for many
    // patterns.
    static std::u32string fold(std::string_view name);
    bool matchesFolded(const std::u32string &folded) const;
    const std::string &text() const { return m_text; }

private:
    NamePattern(std::string text, std::u32string lowered);

    std::string m_text;
    std::u32string m_lowered;
};
