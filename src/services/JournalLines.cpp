#include "JournalLines.h"

#include "Base64.h"
#include "FileCategory.h"
#include "PathCodec.h"
#include "PathText.h"
#include "Text.h"

#include <charconv>
#include <cstdint>

#include <nlohmann/json.hpp>

namespace JournalLines {
namespace {

using Json = nlohmann::ordered_json;

// A literal's length is known when it is compiled; append(const char *) would
// count it again at every call, and journals write hundreds of thousands of lines.
template <std::size_t size> void appendLiteral(std::string &out, const char (&text)[size])
{
    out.append(text, size - 1);
}

void appendNumber(std::string &out, std::uint64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

bool needsEscape(char c)
{
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

bool isPlainAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || needsEscape(c))
            return false;
    }
    return true;
}

void appendEscaped(std::string &out, std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            appendLiteral(out, "\\u00");
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
}

void appendQuoted(std::string &out, std::string_view text)
{
    out += '"';
    appendEscaped(out, text);
    out += '"';
}

// A name or relative path, lossless: JSON strings can hold only valid UTF-8.
void appendBytes(std::string &out, std::string_view bytes)
{
    // Most names are plain ASCII and go in as they are.
    if (isPlainAscii(bytes)) {
        out += '"';
        out.append(bytes);
        out += '"';
        return;
    }
    if (Text::isValidUtf8(bytes)) {
        appendQuoted(out, bytes);
        return;
    }
    appendLiteral(out, "{\"base64\":\"");
    out += Base64::encode(bytes);
    appendLiteral(out, "\"}");
}

std::string joined(const std::vector<std::string> &parts)
{
    return PathText::joinedParts(parts, parts.size());
}

std::optional<std::string> bytesOf(const Json &value)
{
    try {
        return PathCodec::decode(value).native();
    } catch (const std::invalid_argument &) {
        return std::nullopt;
    }
}

std::optional<std::uint64_t> numberOf(const Json &object, const char *key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_number_unsigned())
        return std::nullopt;
    return found->get<std::uint64_t>();
}

// Splits "A/B/C" into plain names: no empty part, no "." or "..", no NUL.
std::optional<std::vector<std::string>> plainParts(const std::string &text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = text.find('/', start);
        std::string part = text.substr(start, slash == std::string::npos ? slash : slash - start);
        if (!PathText::isPlainName(part) || part.find('\0') != std::string::npos)
            return std::nullopt;
        parts.push_back(std::move(part));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

// Inside a category folder Tidyra makes, at most one sub-group deep.
bool isCategoryFolder(const std::vector<std::string> &parts)
{
    return !parts.empty() && parts.size() <= 2 && categoryFromRawValue(parts.front()).has_value();
}

std::optional<Json> parsed(std::string_view line)
{
    Json value = Json::parse(line.begin(), line.end(), nullptr, false);
    if (value.is_discarded() || !value.is_object())
        return std::nullopt;
    return value;
}

} // namespace

void appendHeader(std::string &out, const Header &header)
{
    appendLiteral(out, "{\"tidyra\":\"run\",\"version\":");
    appendNumber(out, currentVersion);
    appendLiteral(out, ",\"folder\":");
    appendBytes(out, header.folder);
    appendLiteral(out, ",\"device\":");
    appendNumber(out, header.folderIdentity.device);
    appendLiteral(out, ",\"inode\":");
    appendNumber(out, header.folderIdentity.inode);
    appendLiteral(out, ",\"started\":");
    appendQuoted(out, header.started);
    appendLiteral(out, ",\"previous\":");
    appendQuoted(out, header.previous);
    out += header.stableInodes ? ",\"inodes\":\"stable\"}\n" : ",\"inodes\":\"unstable\"}\n";
}

void appendMake(std::string &out, const std::vector<std::string> &parts)
{
    appendLiteral(out, "{\"make\":");
    appendBytes(out, joined(parts));
    appendLiteral(out, "}\n");
}

void appendEnd(std::string &out, std::uint64_t moved)
{
    appendLiteral(out, "{\"e\":");
    appendNumber(out, moved);
    appendLiteral(out, "}\n");
}

void appendMade(std::string &out, const Made &made)
{
    appendLiteral(out, "{\"made\":");
    appendBytes(out, joined(made.parts));
    appendLiteral(out, ",\"inode\":");
    appendNumber(out, made.inode);
    appendLiteral(out, "}\n");
}

void appendIntent(std::string &out, std::uint64_t index, std::string_view from,
    const std::vector<std::string> &toFolder, std::string_view toName, const EntryInfo &file)
{
    appendLiteral(out, "{\"i\":");
    appendNumber(out, index);
    appendLiteral(out, ",\"from\":");
    appendBytes(out, from);
    appendLiteral(out, ",\"to\":");
    bool plain = isPlainAscii(toName);
    for (const std::string &part : toFolder)
        plain = plain && isPlainAscii(part);
    if (plain) {
        out += '"';
        for (const std::string &part : toFolder) {
            out += part;
            out += '/';
        }
        out.append(toName);
        out += '"';
    } else {
        std::string to = joined(toFolder);
        to += '/';
        to += toName;
        appendBytes(out, to);
    }
    appendLiteral(out, ",\"inode\":");
    appendNumber(out, file.identity.inode);
    appendLiteral(out, ",\"size\":");
    appendNumber(out, file.size);
    appendLiteral(out, ",\"mtime\":");
    if (file.modified < 0)
        out += '-';
    appendNumber(out,
        file.modified < 0 ? 0 - static_cast<std::uint64_t>(file.modified)
                          : static_cast<std::uint64_t>(file.modified));
    appendLiteral(out, "}\n");
}

void appendMark(std::string &out, Mark mark, std::uint64_t index)
{
    static constexpr const char *keys[] = { "{\"d\":", "{\"f\":", "{\"b\":", "{\"x\":" };
    out += keys[static_cast<std::size_t>(mark)];
    appendNumber(out, index);
    appendLiteral(out, "}\n");
}

std::optional<Header> parseHeader(std::string_view line)
{
    const std::optional<Json> value = parsed(line);
    if (!value || value->value("tidyra", "") != "run")
        return std::nullopt;
    const auto version = numberOf(*value, "version");
    const auto device = numberOf(*value, "device");
    const auto inode = numberOf(*value, "inode");
    const auto folder = value->contains("folder") ? bytesOf((*value)["folder"]) : std::nullopt;
    if (!version || *version != currentVersion || !device || !inode || !folder || folder->empty()
        || folder->front() != '/' || folder->find('\0') != std::string::npos)
        return std::nullopt;
    Header header;
    header.folder = *folder;
    header.folderIdentity = { *device, *inode };
    header.started = value->value("started", "");
    header.previous = value->value("previous", "");
    header.stableInodes = value->value("inodes", "stable") != "unstable";
    // The previous run is named by a file name in the same folder, never a path.
    if (header.previous.find('/') != std::string::npos)
        header.previous.clear();
    return header;
}

namespace {

// An intent after its fields are read: only names that stay inside the folder count.
std::optional<Intent> checkedIntent(std::uint64_t index, std::string from, const std::string &to,
    std::uint64_t inode, std::optional<std::uint64_t> size, std::optional<std::int64_t> modified)
{
    auto toParts = plainParts(to);
    if (!PathText::isPlainName(from) || from.find('\0') != std::string::npos || !toParts
        || toParts->size() < 2)
        return std::nullopt;
    const std::vector<std::string> folder(toParts->begin(), toParts->end() - 1);
    if (!isCategoryFolder(folder))
        return std::nullopt;
    Intent intent { index, std::move(from), std::move(*toParts), inode };
    if (size && modified) {
        intent.stamped = true;
        intent.size = *size;
        intent.modified = *modified;
    }
    return intent;
}

// Reads the lines this program writes most, in exactly the form it writes them, without
// the general parser, which took nine tenths of an undo's time. Anything else, escapes
// and base64 included, goes to the general parser.
class FastLine
{
public:
    explicit FastLine(std::string_view line)
        : m_rest(line)
    { }

    bool literal(std::string_view text)
    {
        if (!m_rest.starts_with(text))
            return false;
        m_rest.remove_prefix(text.size());
        return true;
    }
    std::optional<std::uint64_t> number()
    {
        std::uint64_t value = 0;
        const auto [end, error]
            = std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), value);
        const std::size_t length = static_cast<std::size_t>(end - m_rest.data());
        // JSON allows no leading zeros.
        if (error != std::errc() || length == 0 || (length > 1 && m_rest.front() == '0'))
            return std::nullopt;
        m_rest.remove_prefix(length);
        return value;
    }
    // A string of plain ASCII up to its closing quote.
    std::optional<std::string> plainString()
    {
        for (std::size_t i = 0; i < m_rest.size(); ++i) {
            const char c = m_rest[i];
            if (c == '"') {
                std::string text(m_rest.substr(0, i));
                m_rest.remove_prefix(i + 1);
                return text;
            }
            if (c == '\\' || static_cast<unsigned char>(c) < 0x20
                || static_cast<unsigned char>(c) >= 0x80)
                return std::nullopt;
        }
        return std::nullopt;
    }
    std::optional<std::int64_t> signedNumber()
    {
        const bool negative = literal("-");
        const auto value = number();
        if (!value || *value > static_cast<std::uint64_t>(INT64_MAX))
            return std::nullopt;
        return negative ? -static_cast<std::int64_t>(*value) : static_cast<std::int64_t>(*value);
    }
    bool atEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

std::optional<Parsed> parseFast(std::string_view line)
{
    static constexpr std::pair<std::string_view, Mark> marks[]
        = { { "{\"d\":", Mark::moved }, { "{\"f\":", Mark::movedByFallback },
              { "{\"b\":", Mark::back }, { "{\"x\":", Mark::givenUp } };
    for (const auto &[prefix, mark] : marks) {
        FastLine fast(line);
        if (!fast.literal(prefix))
            continue;
        const auto index = fast.number();
        if (!index || !fast.literal("}") || !fast.atEnd())
            return std::nullopt;
        Parsed result;
        result.marked = Marked { mark, *index };
        return result;
    }
    FastLine fast(line);
    if (!fast.literal("{\"i\":"))
        return std::nullopt;
    const auto index = fast.number();
    if (!index || !fast.literal(",\"from\":\""))
        return std::nullopt;
    auto from = fast.plainString();
    if (!from || !fast.literal(",\"to\":\""))
        return std::nullopt;
    const auto to = fast.plainString();
    if (!to || !fast.literal(",\"inode\":"))
        return std::nullopt;
    const auto inode = fast.number();
    if (!inode)
        return std::nullopt;
    std::optional<std::uint64_t> size;
    std::optional<std::int64_t> modified;
    if (fast.literal(",\"size\":")) {
        size = fast.number();
        if (!size || !fast.literal(",\"mtime\":") || !(modified = fast.signedNumber()))
            return std::nullopt;
    }
    if (!fast.literal("}") || !fast.atEnd())
        return std::nullopt;
    Parsed result;
    result.intent = checkedIntent(*index, std::move(*from), *to, *inode, size, modified);
    return result;
}

} // namespace

Parsed parseLine(std::string_view line)
{
    if (std::optional<Parsed> fast = parseFast(line))
        return std::move(*fast);
    Parsed result;
    const std::optional<Json> value = parsed(line);
    if (!value)
        return result;
    static constexpr std::pair<const char *, Mark> marks[] = { { "d", Mark::moved },
        { "f", Mark::movedByFallback }, { "b", Mark::back }, { "x", Mark::givenUp } };
    for (const auto &[key, mark] : marks) {
        if (const auto index = numberOf(*value, key)) {
            result.marked = Marked { mark, *index };
            return result;
        }
    }
    if (numberOf(*value, "e")) {
        result.ended = true;
        return result;
    }
    if (value->contains("make")) {
        const auto text = bytesOf((*value)["make"]);
        auto parts = text ? plainParts(*text) : std::nullopt;
        if (parts && isCategoryFolder(*parts))
            result.make = std::move(*parts);
        return result;
    }
    if (value->contains("made")) {
        const auto text = bytesOf((*value)["made"]);
        const auto inode = numberOf(*value, "inode");
        auto parts = text ? plainParts(*text) : std::nullopt;
        if (parts && inode && isCategoryFolder(*parts))
            result.made = Made { std::move(*parts), *inode };
        return result;
    }
    const auto index = numberOf(*value, "i");
    const auto inode = numberOf(*value, "inode");
    auto from = value->contains("from") ? bytesOf((*value)["from"]) : std::nullopt;
    const auto to = value->contains("to") ? bytesOf((*value)["to"]) : std::nullopt;
    const auto size = numberOf(*value, "size");
    std::optional<std::int64_t> modified;
    if (const auto found = value->find("mtime");
        found != value->end() && found->is_number_integer())
        modified = found->get<std::int64_t>();
    if (index && inode && from && to)
        result.intent = checkedIntent(*index, std::move(*from), *to, *inode, size, modified);
    return result;
}

void appendDetailsHeader(std::string &out, RunDetails::Kind kind, std::string_view folder)
{
    appendLiteral(out, "{\"tidyra\":\"details\",\"version\":");
    appendNumber(out, currentVersion);
    out += kind == RunDetails::Kind::run ? ",\"kind\":\"run\"" : ",\"kind\":\"undo\"";
    appendLiteral(out, ",\"folder\":");
    appendBytes(out, folder);
    appendLiteral(out, "}\n");
}

void appendDetail(std::string &out, std::string_view name, std::string_view why)
{
    appendLiteral(out, "{\"name\":");
    appendBytes(out, name);
    appendLiteral(out, ",\"why\":");
    appendBytes(out, why);
    appendLiteral(out, "}\n");
}

std::optional<std::pair<RunDetails::Kind, std::string>> parseDetailsHeader(std::string_view line)
{
    const std::optional<Json> value = parsed(line);
    if (!value || value->value("tidyra", "") != "details")
        return std::nullopt;
    const auto version = numberOf(*value, "version");
    const std::string kind = value->value("kind", "");
    auto folder = value->contains("folder") ? bytesOf((*value)["folder"]) : std::nullopt;
    if (!version || *version != currentVersion || (kind != "run" && kind != "undo") || !folder)
        return std::nullopt;
    return std::pair(
        kind == "run" ? RunDetails::Kind::run : RunDetails::Kind::undo, std::move(*folder));
}

std::optional<std::pair<std::string, std::string>> parseDetail(std::string_view line)
{
    const std::optional<Json> value = parsed(line);
    if (!value || !value->contains("name") || !value->contains("why"))
        return std::nullopt;
    auto name = bytesOf((*value)["name"]);
    auto why = bytesOf((*value)["why"]);
    if (!name || !why)
        return std::nullopt;
    return std::pair(std::move(*name), std::move(*why));
}

} // namespace JournalLines
