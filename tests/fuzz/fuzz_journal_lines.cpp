// The journal's lines both ways. Any input, read as a line: whatever a reader accepts,
// written again, reads back the same. The input's pieces, made into records: what the
// writer makes of them reads back exactly, whatever bytes a name holds.

#include "model/FileCategory.h"
#include "model/Text.h"
#include "services/journal/JournalLines.h"
#include "services/paths/PathText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <tuple>

using namespace JournalLines;

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

std::string_view withoutNewline(const std::string &line)
{
    check(!line.empty() && line.find('\n') == line.size() - 1);
    return std::string_view(line).substr(0, line.size() - 1);
}

auto fields(const Header &header)
{
    return std::tie(header.folder, header.folderIdentity, header.started, header.previous,
        header.stableInodes, header.automatic);
}

// The line the writer makes for a record after the header.
std::string written(const Parsed &parsed)
{
    std::string out;
    if (const auto *make = std::get_if<ToMake>(&parsed)) {
        appendMake(out, make->parts);
    } else if (const auto *end = std::get_if<Ended>(&parsed)) {
        appendEnd(out, end->moved);
    } else if (std::holds_alternative<Undone>(parsed)) {
        appendUndone(out, 0, false);
    } else if (std::holds_alternative<UndoBegan>(parsed)) {
        appendUndoBegan(out);
    } else if (const auto *made = std::get_if<Made>(&parsed)) {
        appendMade(out, *made);
    } else if (const auto *intent = std::get_if<Intent>(&parsed)) {
        EntryInfo file;
        file.identity.inode = intent->inode;
        file.size = intent->size;
        file.modified = intent->modified;
        appendIntent(out, intent->index, intent->from, { intent->to.begin(), intent->to.end() - 1 },
            intent->to.back(), file);
    } else if (const auto *marked = std::get_if<Marked>(&parsed)) {
        appendMark(out, marked->mark, marked->index);
    }
    return out;
}

bool isName(const std::string &name)
{
    return PathText::isPlainName(name) && name.find('\0') == std::string::npos;
}

void readAndWriteAgain(std::string_view line)
{
    // The writer takes the start time and the previous run as text.
    const auto header = parseHeader(line);
    if (header && Text::isValidUtf8(header->started) && Text::isValidUtf8(header->previous)) {
        std::string out;
        appendHeader(out, *header);
        const auto again = parseHeader(withoutNewline(out));
        check(again && fields(*again) == fields(*header));
    }
    const std::string out = written(parseLine(line));
    if (!out.empty())
        check(written(parseLine(withoutNewline(out))) == out);
    if (const auto details = parseDetailsHeader(line)) {
        std::string again;
        appendDetailsHeader(again, details->first, details->second);
        check(parseDetailsHeader(withoutNewline(again)) == details);
    }
    if (const auto detail = parseDetail(line)) {
        std::string again;
        appendDetail(again, detail->first, detail->second);
        check(parseDetail(withoutNewline(again)) == detail);
    }
}

void writeAndRead(FuzzedDataProvider &input)
{
    const std::string from = input.ConsumeRandomLengthString(300);
    const std::string sub = input.ConsumeRandomLengthString(300);
    const std::string name = input.ConsumeRandomLengthString(300);
    const std::uint64_t index = input.ConsumeIntegral<std::uint64_t>();
    EntryInfo file;
    file.identity
        = { input.ConsumeIntegral<std::uint64_t>(), input.ConsumeIntegral<std::uint64_t>() };
    file.size = input.ConsumeIntegral<std::uint64_t>();
    file.modified = input.ConsumeIntegral<std::int64_t>();

    std::string out;
    const ErrorMessage why(ErrorKind::cannotMoveTo, { sub, name },
        input.ConsumeIntegralInRange<int>(0, 4095),
        { ErrorMessage(ErrorKind::noLongerThere, { from }) });
    appendDetail(out, from, why);
    check(parseDetail(withoutNewline(out)) == std::pair(from, why));
    out.clear();
    appendDetailsHeader(out, RunDetails::Kind::undo, name);
    check(parseDetailsHeader(withoutNewline(out)) == std::pair(RunDetails::Kind::undo, name));

    if (from.find('\0') == std::string::npos) {
        const Header header { "/" + from, file.identity, Text::isValidUtf8(name) ? name : "",
            Text::isValidUtf8(sub) && sub.find('/') == std::string::npos ? sub : "", index % 2 == 0,
            index % 3 == 0 };
        out.clear();
        appendHeader(out, header);
        const auto read = parseHeader(withoutNewline(out));
        check(read && fields(*read) == fields(header));
    }

    if (!isName(from) || !isName(name) || (!sub.empty() && !isName(sub)))
        return;
    std::vector<std::string> folder { std::string(rawValue(input.PickValueInArray(allCases))) };
    if (!sub.empty())
        folder.push_back(sub);
    out.clear();
    appendIntent(out, index, from, folder, name, file);
    const Parsed parsed = parseLine(withoutNewline(out));
    const auto *intent = std::get_if<Intent>(&parsed);
    folder.push_back(name);
    check(intent
        && std::tie(intent->index, intent->from, intent->to, intent->inode, intent->size,
               intent->modified)
            == std::tie(index, from, folder, file.identity.inode, file.size, file.modified));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    readAndWriteAgain(std::string_view(reinterpret_cast<const char *>(data), size));
    FuzzedDataProvider input(data, size);
    writeAndRead(input);
    return 0;
}
