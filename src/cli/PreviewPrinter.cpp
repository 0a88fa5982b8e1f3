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

void writeText(std::ostream &out, const OrganizationPlan &plan)
{
    out << Text::fileCount(plan.operations.size()) << " will be moved\n";
    for (const CategoryPreviewNode &node : buildPreviewTree(plan)) {
        out << rawValue(node.category) << "/\n";
        writeNames(out, node.directFiles, "  ");
        for (const SubGroupPreviewNode &group : node.subGroups) {
            out << "  " << Text::displayText(group.name) << "/\n";
            writeNames(out, group.files, "    ");
        }
    }
}

void writeJson(std::ostream &out, const OrganizationPlan &plan)
{
    nlohmann::ordered_json operations = nlohmann::ordered_json::array();
    for (const FileMoveOperation &operation : plan.operations) {
        operations.push_back({
            { "source", PathCodec::encode(operation.sourceURL) },
            { "destination", PathCodec::encode(operation.destinationURL) },
            { "category", std::string(rawValue(operation.category)) },
            { "subGroup",
                operation.subGroup ? PathCodec::encode(*operation.subGroup)
                                   : nlohmann::ordered_json(nullptr) },
        });
    }
    const nlohmann::ordered_json document {
        { "folder", PathCodec::encode(plan.folderURL) },
        { "operations", std::move(operations) },
    };
    out << document.dump(2) << '\n';
}

} // namespace PreviewPrinter
