#include "services/journal/JournalLines.h"

#include "model/Text.h"
#include "services/journal/ErrorFields.h"
#include "services/journal/JournalLineReader.h"
#include "services/paths/Base64.h"
#include "services/paths/PathText.h"

#include <charconv>
#include <cstdint>

namespace JournalLines {
namespace {

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

// Times before 1970 are negative; the magnitude of the lowest one fits unsigned.
void appendSignedNumber(std::string &out, std::int64_t value)
{
    if (value < 0)
        out += '-';
    appendNumber(
        out, value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
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

// Inside a category folder Tidyra makes, at most one sub-group deep. The rules may
// name the folder anything but a hidden name, so a hidden first part, such as a
// program's own state folder, is never one of a run's.
bool isCategoryFolder(const std::vector<std::string> &parts)
{
    return !parts.empty() && parts.size() <= 2 && parts.front().front() != '.';
}

// An intent after its fields are read: only names that stay inside the folder count.
std::optional<Intent> checkedIntent(std::uint64_t index, std::string from, const std::string &to,
    std::uint64_t inode, std::uint64_t size, std::int64_t modified)
{
    auto toParts = plainParts(to);
    if (!PathText::isPlainName(from) || from.find('\0') != std::string::npos || !toParts
        || toParts->size() < 2)
        return std::nullopt;
    const std::vector<std::string> folder(toParts->begin(), toParts->end() - 1);
    if (!isCategoryFolder(folder))
        return std::nullopt;
    return Intent { index, std::move(from), std::move(*toParts), inode, size, modified };
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
    out += header.stableInodes ? ",\"inodes\":\"stable\"" : ",\"inodes\":\"unstable\"";
    // Left out for a run the user started.
    if (header.automatic)
        appendLiteral(out, ",\"origin\":\"automatic\"");
    appendLiteral(out, "}\n");
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

void appendUndoBegan(std::string &out)
{
    appendLiteral(out, "{\"ub\":1}\n");
}

void appendUndone(std::string &out, std::uint64_t restored, bool foldersKept)
{
    appendLiteral(out, "{\"u\":");
    appendNumber(out, restored);
    if (foldersKept)
        appendLiteral(out, ",\"kept\":1");
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
    appendSignedNumber(out, file.modified);
    if (file.born != 0) {
        appendLiteral(out, ",\"btime\":");
        appendSignedNumber(out, file.born);
    }
    appendLiteral(out, "}\n");
}

void appendMark(std::string &out, Mark mark, std::uint64_t index)
{
    static constexpr const char *keys[] = { "{\"d\":", "{\"f\":", "{\"b\":", "{\"x\":", "{\"n\":" };
    out += keys[static_cast<std::size_t>(mark)];
    appendNumber(out, index);
    appendLiteral(out, "}\n");
}

void appendReservation(std::string &out, const Reservation &reservation)
{
    appendLiteral(out, "{\"reserve\":");
    appendBytes(out, reservation.name);
    appendLiteral(out, ",\"for\":");
    appendNumber(out, reservation.file);
    if (reservation.back)
        appendLiteral(out, ",\"back\":1");
    if (reservation.stage == Reservation::Stage::released) {
        appendLiteral(out, ",\"gone\":1");
    } else if (reservation.stage == Reservation::Stage::reserving) {
        if (reservation.unlooked)
            appendLiteral(out, ",\"unlooked\":1");
    } else if (reservation.stage == Reservation::Stage::reserved) {
        appendLiteral(out, ",\"inode\":");
        appendNumber(out, reservation.inode);
        appendLiteral(out, ",\"mtime\":");
        appendSignedNumber(out, reservation.modified);
    }
    appendLiteral(out, "}\n");
}

std::optional<Header> parseHeader(std::string_view line)
{
    const JournalLineReader value(line);
    if (!value.isValid() || value.bytes("tidyra") != "run")
        return std::nullopt;
    const auto version = value.unsignedNumber("version");
    const auto device = value.unsignedNumber("device");
    const auto inode = value.unsignedNumber("inode");
    const auto folder = value.bytes("folder");
    const auto inodes = value.bytes("inodes");
    if (!version || *version != currentVersion || !device || !inode || !folder || folder->empty()
        || folder->front() != '/' || folder->find('\0') != std::string::npos
        || (inodes != "stable" && inodes != "unstable"))
        return std::nullopt;
    Header header;
    header.folder = *folder;
    header.folderIdentity = { *device, *inode };
    header.started = value.bytes("started").value_or("");
    header.previous = value.bytes("previous").value_or("");
    header.stableInodes = inodes == "stable";
    header.automatic = value.bytes("origin") == "automatic";
    // The previous run is named by a file name in the same folder, never a path.
    if (header.previous.find('/') != std::string::npos)
        header.previous.clear();
    return header;
}

Parsed parseLine(std::string_view line)
{
    JournalLineReader value(line);
    if (!value.isValid())
        return {};
    // Intents first: half the lines, and the longest, which the other kinds' keys would
    // each be looked for in.
    if (const auto index = value.unsignedNumber("i")) {
        const auto inode = value.unsignedNumber("inode");
        auto from = value.takeBytes("from");
        const auto to = value.takeBytes("to");
        const auto size = value.unsignedNumber("size");
        const auto modified = value.signedNumber("mtime");
        if (!inode || !from || !to || !size || !modified)
            return {};
        std::optional<Intent> intent
            = checkedIntent(*index, std::move(*from), *to, *inode, *size, *modified);
        if (!intent)
            return {};
        intent->born = value.signedNumber("btime").value_or(0);
        return std::move(*intent);
    }
    static constexpr std::pair<std::string_view, Mark> marks[]
        = { { "d", Mark::moved }, { "f", Mark::movedByFallback }, { "b", Mark::back },
              { "x", Mark::givenUp }, { "n", Mark::neverMoved } };
    for (const auto &[key, mark] : marks) {
        if (const auto index = value.unsignedNumber(key))
            return Marked { mark, *index };
    }
    if (const auto moved = value.unsignedNumber("e"))
        return Ended { *moved };
    if (value.unsignedNumber("u"))
        return Undone {};
    if (value.unsignedNumber("ub") == 1u)
        return UndoBegan {};
    if (value.find("reserve")) {
        auto name = value.bytes("reserve");
        const auto file = value.unsignedNumber("for");
        if (!name || !file || !PathText::isPlainName(*name)
            || name->find('\0') != std::string::npos)
            return {};
        Reservation reservation { Reservation::Stage::reserving, std::move(*name), *file,
            value.unsignedNumber("back") == 1u };
        reservation.unlooked = value.unsignedNumber("unlooked") == 1u;
        const auto inode = value.unsignedNumber("inode");
        const auto modified = value.signedNumber("mtime");
        if (value.unsignedNumber("gone") == 1u) {
            reservation.stage = Reservation::Stage::released;
        } else if (inode && modified) {
            reservation.stage = Reservation::Stage::reserved;
            reservation.inode = *inode;
            reservation.modified = *modified;
        }
        return reservation;
    }
    if (value.find("make")) {
        const auto text = value.bytes("make");
        auto parts = text ? plainParts(*text) : std::nullopt;
        if (parts && isCategoryFolder(*parts))
            return ToMake { std::move(*parts) };
        return {};
    }
    if (value.find("made")) {
        const auto text = value.bytes("made");
        const auto inode = value.unsignedNumber("inode");
        auto parts = text ? plainParts(*text) : std::nullopt;
        if (parts && inode && isCategoryFolder(*parts))
            return Made { std::move(*parts), *inode };
        return {};
    }
    return {};
}

void appendDetailsHeader(std::string &out, RunDetails::Kind kind, std::string_view folder)
{
    appendLiteral(out, "{\"tidyra\":\"details\",\"version\":");
    appendNumber(out, detailsVersion);
    out += kind == RunDetails::Kind::run ? ",\"kind\":\"run\"" : ",\"kind\":\"undo\"";
    appendLiteral(out, ",\"folder\":");
    appendBytes(out, folder);
    appendLiteral(out, "}\n");
}

void appendDetail(std::string &out, std::string_view name, const ErrorMessage &why)
{
    appendLiteral(out, "{\"name\":");
    appendBytes(out, name);
    ErrorFields::append(out, why);
    appendLiteral(out, "}\n");
}

std::optional<std::pair<RunDetails::Kind, std::string>> parseDetailsHeader(std::string_view line)
{
    const JournalLineReader value(line);
    if (!value.isValid() || value.bytes("tidyra") != "details")
        return std::nullopt;
    const auto version = value.unsignedNumber("version");
    const std::string kind = value.bytes("kind").value_or("");
    auto folder = value.bytes("folder");
    if (!version || *version != detailsVersion || (kind != "run" && kind != "undo") || !folder)
        return std::nullopt;
    return std::pair(
        kind == "run" ? RunDetails::Kind::run : RunDetails::Kind::undo, std::move(*folder));
}

std::optional<std::pair<std::string, ErrorMessage>> parseDetail(std::string_view line)
{
    const JournalLineReader value(line);
    auto name = value.isValid() ? value.bytes("name") : std::nullopt;
    auto why = value.isValid() ? ErrorFields::read(value) : std::nullopt;
    if (!name || !why)
        return std::nullopt;
    return std::pair(std::move(*name), std::move(*why));
}

} // namespace JournalLines
