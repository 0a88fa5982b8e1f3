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

    // `name` in the chosen folder into `parts` as `newName`.
    std::error_code into(const std::vector<std::string> &parts, const std::string &name,
        const std::string &newName, const FileIdentity &file, ErrorMessage &why);
    // The same, into the folder `parts` opened already (`folder`), by `mover`: what a
    // thread of a run that moves files at once does.
    static std::error_code intoOpen(FileMover &mover, int root, int folder,
        const std::vector<std::string> &parts, const std::string &name, const std::string &newName,
        const FileIdentity &file, ErrorMessage &why);
    // `name` in `parts` back into the chosen folder, shown as `folderName`, as `oldName`.
    std::error_code back(const std::vector<std::string> &parts, const std::string &name,
        const std::string &oldName, const FileIdentity &file, const std::string &folderName,
        ErrorMessage &why);

private:
    // The folder `parts`, or 0 with `why` saying what is in the way.
    int openFolder(
        const std::vector<std::string> &parts, std::error_code &error, ErrorMessage &why);

    FolderWalker &m_walker;
    FileMover &m_mover;
    int m_root;
};
