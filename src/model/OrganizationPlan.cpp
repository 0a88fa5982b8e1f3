#include "model/OrganizationPlan.h"

#include <limits>

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

void OrganizationPlan::keepOnly(const std::function<bool(const Move &)> &keep)
{
    constexpr std::uint32_t unused = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> newTarget(targets.size(), unused);
    std::vector<Target> keptTargets;
    std::size_t kept = 0;
    for (Move &move : moves) {
        if (!keep(move))
            continue;
        std::uint32_t &target = newTarget[move.target];
        if (target == unused) {
            target = static_cast<std::uint32_t>(keptTargets.size());
            keptTargets.push_back(targets[move.target]);
        }
        move.target = target;
        if (&moves[kept] != &move)
            moves[kept] = std::move(move);
        ++kept;
    }
    moves.resize(kept);
    targets = std::move(keptTargets);
}
