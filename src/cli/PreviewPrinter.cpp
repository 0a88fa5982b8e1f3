#include "PreviewPrinter.h"

#include "PathCodec.h"
#include "Text.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace PreviewPrinter {
namespace {

// Names are shown escaped: a newline in one would otherwise forge a line.
void writeNames(std::ostream &out, const std::vector<std::string> &names, std::string_view indent)
{
    for (const std::string &name : names)
        out << indent << Text::displayText(name) << '\n';
}

} // namespace

void writeText(std::ostream &out, const MoveList &list)
{
    out << Text::fileCount(list.moves.size()) << " will be moved\n";
    std::vector<std::vector<std::string>> names(list.targets.size());
    for (const MoveList::Move &move : list.moves)
        names[move.target].push_back(move.source);

    // Category folders by name; in each, its files without a sub-group first, then
    // its sub-groups in text order.
    std::vector<std::uint32_t> order(list.targets.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const MoveList::Target &x = list.targets[a];
        const MoveList::Target &y = list.targets[b];
        if (x.category != y.category)
            return rawValue(x.category) < rawValue(y.category);
        const std::string &xGroup = x.subGroup.value_or(std::string());
        const std::string &yGroup = y.subGroup.value_or(std::string());
        return Text::lessThan(xGroup, yGroup);
    });
    std::optional<FileCategory> shown;
    for (const std::uint32_t index : order) {
        const MoveList::Target &target = list.targets[index];
        if (shown != target.category) {
            out << rawValue(target.category) << "/\n";
            shown = target.category;
        }
        Text::sortTexts(names[index]);
        if (target.subGroup && !target.subGroup->empty()) {
            out << "  " << Text::displayText(*target.subGroup) << "/\n";
            writeNames(out, names[index], "    ");
        } else {
            writeNames(out, names[index], "  ");
        }
        std::vector<std::string>().swap(names[index]);
    }
}

void writeJson(std::ostream &out, const MoveList &list)
{
    // Written one move at a time, so that a large plan needs no second copy in memory.
    using Json = nlohmann::ordered_json;
    out << "{\n  \"folder\": " << PathCodec::encode(list.folder).dump() << ",\n  \"operations\": [";
    std::vector<std::string> folders;
    for (const MoveList::Target &target : list.targets) {
        std::string path = list.folder.native();
        for (const std::string &part : target.parts)
            path = (std::filesystem::path(path) / part).native();
        folders.push_back(std::move(path));
    }
    const std::string &folder = list.folder.native();
    const std::string separator = folder.empty() || folder.back() == '/' ? "" : "/";
    bool first = true;
    for (const MoveList::Move &move : list.moves) {
        const MoveList::Target &target = list.targets[move.target];
        const Json operation {
            { "source", PathCodec::encode(folder + separator + move.source) },
            { "destination",
                PathCodec::encode(folders[move.target] + "/" + move.destinationName()) },
            { "category", std::string(rawValue(target.category)) },
            { "subGroup", target.subGroup ? PathCodec::encode(*target.subGroup) : Json(nullptr) },
        };
        out << (first ? "\n    " : ",\n    ") << operation.dump();
        first = false;
    }
    out << (first ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace PreviewPrinter
