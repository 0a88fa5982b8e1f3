#include "FileMover.h"

#include "FileSystem.h"

#include <cerrno>

int FileMover::move(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    const int renameError = m_fileSystem.renameNoReplace(fromFolder, fromName, toFolder, toName);
    if (renameError == 0)
        return 0;
    // Only a file system that rejects the no-replace flag (NFS, some FUSE) gets the
    // link-then-unlink route; every other error is final.
    if (renameError != EINVAL && renameError != ENOSYS && renameError != EOPNOTSUPP)
        return renameError;

    const int linkError = m_fileSystem.hardLink(fromFolder, fromName, toFolder, toName);
    if (linkError != 0) {
        if (linkError == EPERM || linkError == EOPNOTSUPP || linkError == EMLINK)
            return noSafeMove;
        return linkError;
    }
    const int unlinkError = m_fileSystem.unlinkFile(fromFolder, fromName);
    if (unlinkError != 0) {
        // Take the new name away again so the file stays exactly once, where it was.
        m_fileSystem.unlinkFile(toFolder, toName);
        return unlinkError;
    }
    return 0;
}
