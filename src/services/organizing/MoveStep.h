#pragma once

#include "services/errors/ErrorMessage.h"
#include "services/filesystem/FileMover.h"
#include "services/filesystem/FolderWalker.h"

#include <string>
#include <system_error>
#include <vector>

// The one move step of runs and undos: a file between the chosen folder (`root`) and
// the folder `parts` below it, reached through the walker's handles, moved by the
// mover's no-replace routes. Each returns no error or what stopped it, with `why`
// naming the item and the reason.
class MoveStep
{
public:
    MoveStep(FolderWalker &walker, FileMover &mover, int root)
        : m_walker(walker)
        , m_mover(mover)
        , m_root(root)
    { }

    // `name` in the chosen folder `root` into the folder `parts`, as a walker opened it
    // (or could not), as `newName`, by `mover`: a run's threads that move files at once
    // each have their own.
    static std::error_code into(FileMover &mover, int root, const FolderWalker::Result &folder,
        const std::vector<std::string> &parts, const std::string &name, const std::string &newName,
        const FileIdentity &file, ErrorMessage &why);
    // `name` in `parts` back into the chosen folder, shown as `folderName`, as `oldName`.
    std::error_code back(const std::vector<std::string> &parts, const std::string &name,
        const std::string &oldName, const FileIdentity &file, const std::string &folderName,
        ErrorMessage &why);

private:
    // What is in the way when `folder`, the folder `parts`, could not be opened.
    static std::error_code blocked(const FolderWalker::Result &folder,
        const std::vector<std::string> &parts, ErrorMessage &why);

    FolderWalker &m_walker;
    FileMover &m_mover;
    int m_root;
};
