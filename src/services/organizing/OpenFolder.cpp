#include "services/organizing/OpenFolder.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/InodeTrust.h"

OpenFolder OpenFolder::open(FileSystem &fileSystem, const std::filesystem::path &folderURL)
{
    OpenFolder opened;
    if (const int error = fileSystem.openFolder(folderURL, opened.handle))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));
    EntryInfo info;
    if (const int error = fileSystem.statFolder(opened.handle.get(), info))
        throw EngineError(error, ErrorDescriptions::cannotOpenFolder(folderURL, error));
    opened.identity = info.identity;
    std::uint64_t type = 0;
    fileSystem.fileSystemType(opened.handle.get(), type);
    opened.stableInodes = InodeTrust::stableAcrossMounts(type);
    return opened;
}
