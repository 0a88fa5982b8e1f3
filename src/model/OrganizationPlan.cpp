#include "model/OrganizationPlan.h"

namespace {

void appendName(std::string &path, const std::string &name)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
}

} // namespace

FileMoveOperation OrganizationPlan::operation(std::size_t k) const
{
    const Move &move = moves[k];
    const Target &target = targets[move.target];
    FileMoveOperation operation;
    operation.id = idBase.numbered(move.index);
    // Built as text and made into a path once: every path operation splits the whole
    // path into components again.
    std::string source = folderURL.native();
    std::string destination = source;
    appendName(source, move.source);
    for (const std::string &part : target.parts)
        appendName(destination, part);
    appendName(destination, move.destinationName());
    operation.sourceURL = std::move(source);
    operation.destinationURL = std::move(destination);
    operation.category = target.category;
    operation.subGroup = target.subGroup;
    return operation;
}
