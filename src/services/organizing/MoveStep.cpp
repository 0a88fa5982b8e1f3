#include "services/organizing/MoveStep.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/paths/PathText.h"

int MoveStep::openFolder(
    const std::vector<std::string> &parts, std::error_code &error, ErrorMessage &why)
{
    const FolderWalker::Result opened = m_walker.open(parts, false);
    if (opened.error != 0) {
        why = ErrorDescriptions::blockedFolder(
            PathText::joinedParts(parts, opened.failedDepth + 1), opened.error);
        error = systemError(opened.error);
    }
    return opened.fd;
}

std::error_code MoveStep::into(const std::vector<std::string> &parts, const std::string &name,
    const std::string &newName, const FileIdentity &file, ErrorMessage &why)
{
    std::error_code error;
    const int folder = openFolder(parts, error, why);
    if (error)
        return error;
    error = m_mover.move(m_root, name, folder, newName, file);
    if (error)
        why = ErrorDescriptions::moveFailed(
            name, newName, PathText::joinedParts(parts, parts.size()), error);
    return error;
}

std::error_code MoveStep::intoOpen(FileMover &mover, int root, int folder,
    const std::vector<std::string> &parts, const std::string &name, const std::string &newName,
    const FileIdentity &file, ErrorMessage &why)
{
    const std::error_code error = mover.move(root, name, folder, newName, file);
    if (error)
        why = ErrorDescriptions::moveFailed(
            name, newName, PathText::joinedParts(parts, parts.size()), error);
    return error;
}

std::error_code MoveStep::back(const std::vector<std::string> &parts, const std::string &name,
    const std::string &oldName, const FileIdentity &file, const std::string &folderName,
    ErrorMessage &why)
{
    std::error_code error;
    const int folder = openFolder(parts, error, why);
    if (error)
        return error;
    error = m_mover.move(folder, name, m_root, oldName, file);
    if (error)
        why = ErrorDescriptions::moveFailed(name, oldName, folderName, error);
    return error;
}
