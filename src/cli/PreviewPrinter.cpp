#include "PreviewPrinter.h"

#include "PathCodec.h"
#include "PreviewTree.h"
#include "Text.h"

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
    for (const CategoryPreviewNode &node : buildPreviewTree(list)) {
        out << rawValue(node.category) << "/\n";
        writeNames(out, node.directFiles, "  ");
        for (const SubGroupPreviewNode &group : node.subGroups) {
            out << "  " << Text::displayText(group.name) << "/\n";
            writeNames(out, group.files, "    ");
        }
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
