#include "model/Text.h"

#include <algorithm>

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace Text {
namespace {

bool isAscii(std::string_view bytes)
{
    return std::all_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string asciiMapped(std::string_view bytes, bool upper)
{
    std::string result(bytes);
    for (char &c : result) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

std::string caseMapped(std::string_view bytes, bool upper)
{
    // ASCII is by far the common case and needs no ICU round trip.
    if (isAscii(bytes) || !isValidUtf8(bytes))
        return asciiMapped(bytes, upper);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(bytes.data(), static_cast<int32_t>(bytes.size())));
    if (upper)
        text.toUpper(icu::Locale::getRoot());
    else
        text.toLower(icu::Locale::getRoot());
    std::string result;
    text.toUTF8String(result);
    return result;
}

// What a terminal or a text widget would act on rather than show: C0 controls, DEL,
// C1 controls (U+009B is a CSI to some terminals), and the line and paragraph
// separators that break lines in widgets.
bool isControl(UChar32 codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028
        || codePoint == 0x2029;
}

// Bytes that may start such a character: C0, DEL, and the lead bytes of U+0080..U+009F
// (0xC2) and of U+2028/U+2029 (0xE2).
bool needsEscaping(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || byte == 0xC2 || byte == 0xE2;
    });
}

void appendEscaped(std::string &out, UChar32 codePoint)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    switch (codePoint) {
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (codePoint <= 0x7F) {
        out += "\\x";
        out += hex[(codePoint >> 4) & 0xF];
        out += hex[codePoint & 0xF];
        return;
    }
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += hex[(codePoint >> shift) & 0xF];
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    int32_t offset = 0;
    while (offset < length) {
        UChar32 codePoint;
        U8_NEXT(data, offset, length, codePoint);
        if (codePoint < 0)
            return false;
    }
    return true;
}

std::string toLowerCase(std::string_view bytes)
{
    return caseMapped(bytes, false);
}

std::string toUpperCase(std::string_view bytes)
{
    return caseMapped(bytes, true);
}

std::string sortKey(std::string_view bytes)
{
    if (isAscii(bytes) || !isValidUtf8(bytes))
        return std::string(bytes);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::string(bytes);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(bytes.data(), static_cast<int32_t>(bytes.size())));
    icu::UnicodeString composed = nfc->normalize(text, status);
    if (U_FAILURE(status))
        return std::string(bytes);
    std::string result;
    composed.toUTF8String(result);
    return result;
}

bool lessThan(std::string_view a, std::string_view b)
{
    if (isAscii(a) && isAscii(b))
        return a < b;
    return sortKey(a) < sortKey(b);
}

void sortTexts(std::vector<std::string> &texts)
{
    const bool allAscii = std::all_of(
        texts.begin(), texts.end(), [](const std::string &text) { return isAscii(text); });
    if (allAscii) {
        std::sort(texts.begin(), texts.end());
        return;
    }
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(texts.size());
    for (std::string &text : texts)
        keyed.emplace_back(sortKey(text), std::move(text));
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        texts[i] = std::move(keyed[i].second);
}

std::string displayText(std::string_view bytes)
{
    if (!needsEscaping(bytes) && (isAscii(bytes) || isValidUtf8(bytes)))
        return std::string(bytes);
    std::string result;
    result.reserve(bytes.size() + 8);
    const auto *data = reinterpret_cast<const uint8_t *>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    int32_t offset = 0;
    while (offset < length) {
        const int32_t start = offset;
        UChar32 codePoint;
        U8_NEXT(data, offset, length, codePoint);
        if (codePoint < 0)
            result += "\xEF\xBF\xBD";
        else if (isControl(codePoint))
            appendEscaped(result, codePoint);
        else
            result.append(bytes.substr(
                static_cast<std::size_t>(start), static_cast<std::size_t>(offset - start)));
    }
    return result;
}

std::string fileCount(std::uint64_t count)
{
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

} // namespace Text
