#include "JournalFormat.h"

#include "PathCodec.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace JournalFormat {
namespace {

bool isPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != "..";
}

std::vector<std::string_view> split(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = text.find('/', start);
        parts.push_back(text.substr(start, slash - start));
        if (slash == std::string_view::npos)
            return parts;
        start = slash + 1;
    }
}

// Checked on the raw bytes rather than through path normalization, so that what
// is accepted is exactly what the system calls will see.
void checkFolder(const std::filesystem::path &folder)
{
    const std::string_view text = folder.native();
    if (text.empty() || text.front() != '/')
        throw std::invalid_argument("the folder is not an absolute path");
    if (text == "/")
        return;
    for (std::string_view part : split(text.substr(1))) {
        if (!isPlainName(part))
            throw std::invalid_argument("the folder path is not in plain form");
    }
}

// The components of `path` below `folder`, or nothing when it does not lie there.
std::vector<std::string_view> partsBelow(
    const std::filesystem::path &folder, const std::filesystem::path &path)
{
    const std::string_view folderText = folder.native();
    const std::string_view text = path.native();
    const std::size_t prefixLength = folderText == "/" ? 1 : folderText.size() + 1;
    if (text.size() <= prefixLength || !text.starts_with(folderText)
        || text[prefixLength - 1] != '/')
        return {};
    std::vector<std::string_view> parts = split(text.substr(prefixLength));
    for (std::string_view part : parts) {
        if (!isPlainName(part))
            return {};
    }
    return parts;
}

const nlohmann::ordered_json &field(
    const nlohmann::ordered_json &object, const char *name, const std::string &where)
{
    const auto found = object.find(name);
    if (found == object.end())
        throw std::invalid_argument(where + " has no \"" + name + "\"");
    return *found;
}

FileMoveOperation readOperation(
    const nlohmann::ordered_json &entry, const std::filesystem::path &folder, std::size_t index)
{
    const std::string where = "move " + std::to_string(index + 1);
    if (!entry.is_object())
        throw std::invalid_argument(where + " is not an object");
    FileMoveOperation operation;
    operation.id = Uuid::random();
    try {
        operation.sourceURL = PathCodec::decode(field(entry, "source", where));
        operation.destinationURL = PathCodec::decode(field(entry, "destination", where));
    } catch (const std::invalid_argument &error) {
        throw std::invalid_argument(where + ": " + error.what());
    }

    if (partsBelow(folder, operation.sourceURL).size() != 1)
        throw std::invalid_argument(where + " has a source outside the organized folder");
    const std::vector<std::string_view> parts = partsBelow(folder, operation.destinationURL);
    const auto category = parts.empty() ? std::nullopt : categoryFromRawValue(parts.front());
    if ((parts.size() != 2 && parts.size() != 3) || !category)
        throw std::invalid_argument(where + " has a destination outside the category folders");
    operation.category = *category;
    if (parts.size() == 3)
        operation.subGroup = std::string(parts[1]);
    return operation;
}

} // namespace

nlohmann::ordered_json toJson(const UndoRecord &record)
{
    nlohmann::ordered_json operations = nlohmann::ordered_json::array();
    for (const FileMoveOperation &operation : record.operations) {
        operations.push_back({
            { "source", PathCodec::encode(operation.sourceURL) },
            { "destination", PathCodec::encode(operation.destinationURL) },
        });
    }
    return {
        { "version", currentVersion },
        { "folder", PathCodec::encode(record.folderURL) },
        { "operations", std::move(operations) },
    };
}

UndoRecord fromJson(const nlohmann::ordered_json &document)
{
    if (!document.is_object())
        throw std::invalid_argument("it is not a JSON object");
    const nlohmann::ordered_json &version = field(document, "version", "it");
    if (!version.is_number_integer() || version.get<long long>() != currentVersion)
        throw std::invalid_argument("its version is not " + std::to_string(currentVersion));

    UndoRecord record;
    try {
        record.folderURL = PathCodec::decode(field(document, "folder", "it"));
    } catch (const std::invalid_argument &error) {
        throw std::invalid_argument(std::string("folder: ") + error.what());
    }
    checkFolder(record.folderURL);

    const nlohmann::ordered_json &operations = field(document, "operations", "it");
    if (!operations.is_array())
        throw std::invalid_argument("\"operations\" is not a list");
    record.operations.reserve(operations.size());
    for (std::size_t i = 0; i < operations.size(); ++i)
        record.operations.push_back(readOperation(operations[i], record.folderURL, i));
    return record;
}

} // namespace JournalFormat
