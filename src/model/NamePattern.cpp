#include "model/NamePattern.h"

#include "model/Text.h"

#include <unicode/unistr.h>

namespace {

std::u32string codePoints(std::string_view bytes)
{
    const icu::UnicodeString text
        = icu::UnicodeString::fromUTF8(icu::StringPiece(bytes.data(), std::int32_t(bytes.size())));
    std::u32string result(std::size_t(text.countChar32()), U'\0');
    UErrorCode status = U_ZERO_ERROR;
    text.toUTF32(reinterpret_cast<UChar32 *>(result.data()), std::int32_t(result.size()), status);
    return result;
}

// The end of the set that starts at `at` (just after its "["), or npos when it is
// never closed. A "]" first in the set, or after its "!" or "^", is one of its members.
std::size_t setEnd(const std::u32string &pattern, std::size_t at)
{
    if (at < pattern.size() && (pattern[at] == U'!' || pattern[at] == U'^'))
        ++at;
    if (at < pattern.size() && pattern[at] == U']')
        ++at;
    for (; at < pattern.size(); ++at) {
        if (pattern[at] == U'\\')
            ++at;
        else if (pattern[at] == U']')
            return at;
    }
    return std::u32string::npos;
}

// Whether `c` is in the set pattern[first, end), which excludes the brackets.
bool inSet(const std::u32string &pattern, std::size_t first, std::size_t end, char32_t c)
{
    const bool negated = pattern[first] == U'!' || pattern[first] == U'^';
    if (negated)
        ++first;
    bool found = false;
    for (std::size_t at = first; at < end; ++at) {
        char32_t low = pattern[at];
        if (low == U'\\' && at + 1 < end)
            low = pattern[++at];
        char32_t high = low;
        if (at + 2 < end && pattern[at + 1] == U'-') {
            high = pattern[at + 2];
            if (high == U'\\' && at + 3 < end)
                high = pattern[++at + 2];
            at += 2;
        }
        if (low <= c && c <= high)
            found = true;
    }
    return found != negated;
}

bool matchFrom(const std::u32string &pattern, const std::u32string &name)
{
    // Backtracks to the last star only: enough for shell patterns, and linear in
    // practice rather than exponential.
    std::size_t p = 0, n = 0;
    std::size_t starP = std::u32string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()) {
            const char32_t c = pattern[p];
            if (c == U'*') {
                starP = ++p;
                starN = n;
                continue;
            }
            if (c == U'?') {
                ++p, ++n;
                continue;
            }
            if (c == U'[') {
                const std::size_t end = setEnd(pattern, p + 1);
                if (inSet(pattern, p + 1, end, name[n])) {
                    p = end + 1, ++n;
                    continue;
                }
            } else {
                const char32_t literal = c == U'\\' ? pattern[p + 1] : c;
                if (literal == name[n]) {
                    p += c == U'\\' ? 2 : 1, ++n;
                    continue;
                }
            }
        }
        if (starP == std::u32string::npos)
            return false;
        p = starP;
        n = ++starN;
    }
    while (p < pattern.size() && pattern[p] == U'*')
        ++p;
    return p == pattern.size();
}

} // namespace

std::optional<NamePattern> NamePattern::parse(std::string_view pattern)
{
    if (pattern.empty() || pattern.find('/') != std::string_view::npos
        || pattern.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::u32string lowered = fold(pattern);
    for (std::size_t at = 0; at < lowered.size(); ++at) {
        if (lowered[at] == U'\\') {
            if (++at == lowered.size())
                return std::nullopt;
        } else if (lowered[at] == U'[') {
            at = setEnd(lowered, at + 1);
            if (at == std::u32string::npos)
                return std::nullopt;
        }
    }
    return NamePattern(std::string(pattern), std::move(lowered));
}

NamePattern::NamePattern(std::string text, std::u32string lowered)
    : m_text(std::move(text))
    , m_lowered(std::move(lowered))
{ }

std::u32string NamePattern::fold(std::string_view name)
{
    return codePoints(Text::toLowerCase(name));
}

bool NamePattern::matchesFolded(const std::u32string &folded) const
{
    return matchFrom(m_lowered, folded);
}
