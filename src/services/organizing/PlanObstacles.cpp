#include "services/organizing/PlanObstacles.h"

#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FolderWalker.h"

#include <cerrno>

PlanObstacles::PlanObstacles(FileSystem &fileSystem, const OrganizationPlan &plan)
{
    FileDescriptor root;
    // A folder that cannot be opened fails the run as a whole, which the run reports.
    if (plan.moves.empty() || fileSystem.openFolder(plan.folderURL, root) != 0)
        return;
    m_reasons.resize(plan.targets.size());
    FolderWalker walker(fileSystem, root.get());
    for (std::size_t i = 0; i < plan.targets.size(); ++i) {
        const std::vector<std::string> &parts = plan.targets[i].parts;
        const FolderWalker::Result opened = walker.open(parts, false);
        if (opened.error == 0 || opened.error == ENOENT)
            continue;
        std::string relative;
        for (std::size_t k = 0; k <= opened.failedDepth && k < parts.size(); ++k)
            relative += (k == 0 ? "" : "/") + parts[k];
        m_reasons[i] = ErrorDescriptions::blockedFolder(relative, opened.error);
    }
    for (const OrganizationPlan::Move &move : plan.moves)
        m_blockedMoves += blocks(move) ? 1 : 0;
}

const ErrorMessage &PlanObstacles::reason(std::size_t target) const
{
    static const ErrorMessage none;
    return target < m_reasons.size() ? m_reasons[target] : none;
}
