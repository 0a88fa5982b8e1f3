#include "PreviewPrinter.h"

#include "model/PreviewTree.h"
#include "model/Text.h"
#include "services/paths/PathCodec.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace PreviewPrinter {
namespace {

using Renamed = std::unordered_map<std::string, std::string>;

// Names are shown escaped: a newline in one would otherwise forge a line.
void writeNames(std::ostream &out, const std::vector<std::string> &names, std::string_view indent,
    const Renamed &renamed)
{
    for (const std::string &name : names) {
        out << indent << Text::displayText(name);
        if (const auto found = renamed.find(name); found != renamed.end())
            out << " → " << Text::displayText(found->second);
        out << '\n';
    }
}

} // namespace

void writeText(std::ostream &out, const OrganizationPlan &list, const PlanObstacles &obstacles)
{
    // The tree promises only what would move; the rest is listed after it.
    const std::size_t skippedCount = obstacles.blockedMoves();
    OrganizationPlan kept;
    std::vector<std::pair<std::string, ErrorMessage>> skipped;
    Renamed renamed;
    if (skippedCount > 0) {
        kept.folderURL = list.folderURL;
        kept.targets = list.targets;
    }
    for (const OrganizationPlan::Move &move : list.moves) {
        if (obstacles.blocks(move)) {
            skipped.emplace_back(move.source, obstacles.reason(move.target));
            continue;
        }
        if (skippedCount > 0)
            kept.moves.push_back(move);
        if (!move.destination.empty() && move.destination != move.source)
            renamed.emplace(move.source, move.destination);
    }

    out << Text::fileCount(list.moves.size() - skippedCount) << " will be moved";
    if (skippedCount > 0)
        out << ", " << skippedCount << " will be skipped";
    if (list.leftAlone > 0)
        out << "; " << list.leftAlone << " left alone by your rules";
    out << '\n';
    for (const CategoryPreviewNode &node : buildPreviewTree(skippedCount > 0 ? kept : list)) {
        out << Text::displayText(node.category.folder) << "/\n";
        writeNames(out, node.directFiles, "  ", renamed);
        for (const SubGroupPreviewNode &group : node.subGroups) {
            out << "  " << Text::displayText(group.name) << "/\n";
            writeNames(out, group.files, "    ", renamed);
        }
    }
    if (skipped.empty())
        return;
    std::sort(skipped.begin(), skipped.end(),
        [](const auto &a, const auto &b) { return Text::lessThan(a.first, b.first); });
    out << "Will be skipped:\n";
    for (const auto &[name, reason] : skipped)
        out << "  " << Text::displayText(name) << ": " << reason.english() << '\n';
}

void writeJson(std::ostream &out, const OrganizationPlan &list, const PlanObstacles &obstacles)
{
    // Written one move at a time, so that a large plan needs no second copy in memory.
    using Json = nlohmann::ordered_json;
    out << "{\n  \"folder\": " << PathCodec::encode(list.folderURL).dump()
        << ",\n  \"operations\": [";
    std::vector<std::string> folders;
    for (const OrganizationPlan::Target &target : list.targets) {
        std::string path = list.folderURL.native();
        for (const std::string &part : target.parts)
            path = (std::filesystem::path(path) / part).native();
        folders.push_back(std::move(path));
    }
    const std::string &folder = list.folderURL.native();
    const std::string separator = folder.empty() || folder.back() == '/' ? "" : "/";
    bool first = true;
    for (const OrganizationPlan::Move &move : list.moves) {
        const OrganizationPlan::Target &target = list.targets[move.target];
        const Json operation {
            { "source", PathCodec::encode(folder + separator + move.source) },
            { "destination",
                PathCodec::encode(folders[move.target] + "/" + move.destinationName()) },
            { "category", target.category.name },
            { "subGroup", target.subGroup ? PathCodec::encode(*target.subGroup) : Json(nullptr) },
        };
        out << (first ? "\n    " : ",\n    ") << operation.dump();
        first = false;
    }
    out << (first ? "],\n" : "\n  ],\n") << "  \"skipped\": [";
    first = true;
    for (const OrganizationPlan::Move &move : list.moves) {
        if (!obstacles.blocks(move))
            continue;
        const Json skipped {
            { "source", PathCodec::encode(folder + separator + move.source) },
            { "reason", obstacles.reason(move.target).english() },
        };
        out << (first ? "\n    " : ",\n    ") << skipped.dump();
        first = false;
    }
    out << (first ? "],\n" : "\n  ],\n") << "  \"leftAlone\": " << list.leftAlone << "\n}\n";
}

} // namespace PreviewPrinter
