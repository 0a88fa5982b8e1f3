#include "services/filesystem/FolderMaking.h"

#include <cerrno>

namespace FolderMaking {

int makeFolders(FileSystem &fileSystem, const std::filesystem::path &folder, bool privateToUser,
    std::filesystem::path &failed)
{
    FileDescriptor handle;
    int error = fileSystem.openFolder(folder, handle);
    if (error == 0)
        return 0;
    if (error == ENOENT && folder.has_relative_path() && folder.parent_path() != folder) {
        if (const int above = makeFolders(fileSystem, folder.parent_path(), privateToUser, failed))
            return above;
        FileDescriptor parent;
        error = fileSystem.openFolder(folder.parent_path(), parent);
        if (error == 0)
            error = privateToUser ? fileSystem.makePrivateFolder(parent.get(), folder.filename())
                                  : fileSystem.makeFolder(parent.get(), folder.filename());
        if (error == EEXIST)
            error = 0;
    }
    if (error != 0)
        failed = folder;
    return error;
}

} // namespace FolderMaking
