#include "services/organizing/MoveStep.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/paths/PathText.h"

std::error_code MoveStep::blocked(
    const FolderWalker::Result &folder, const std::vector<std::string> &parts, ErrorMessage &why)
{
    why = ErrorDescriptions::blockedFolder(
        PathText::joinedParts(parts, folder.failedDepth + 1), folder.error);
    return systemError(folder.error);
}

std::error_code MoveStep::into(FileMover &mover, int root, const FolderWalker::Result &folder,
    const std::vector<std::string> &parts, const std::string &name, const std::string &newName,
    const FileIdentity &file, ErrorMessage &why)
{
    if (folder.error != 0)
        return blocked(folder, parts, why);
    const std::error_code error = mover.move(root, name, folder.fd, newName, file);
    if (error)
        why = ErrorDescriptions::moveFailed(
            name, newName, PathText::joinedParts(parts, parts.size()), error);
    return error;
}

std::error_code MoveStep::back(const std::vector<std::string> &parts, const std::string &name,
    const std::string &oldName, const FileIdentity &file, const std::string &folderName,
    ErrorMessage &why)
{
    const FolderWalker::Result folder = m_walker.open(parts, false);
    if (folder.error != 0)
        return blocked(folder, parts, why);
    const std::error_code error = m_mover.move(folder.fd, name, m_root, oldName, file);
    if (error)
        why = ErrorDescriptions::moveFailed(name, oldName, folderName, error);
    return error;
}
