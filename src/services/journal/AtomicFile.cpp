#include "services/journal/AtomicFile.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileSystem.h"

#include <cerrno>
#include <random>
#include <string>

namespace AtomicFile {
namespace {

[[noreturn]] void fail(int code, ErrorKind what, const std::filesystem::path &path)
{
    throw EngineError(code, ErrorDescriptions::pathFailure(what, path, code));
}

// Makes an empty private file at a name beside `name` that nothing has yet.
int createTemporary(FileSystem &fileSystem, int folder, const std::string &name,
    std::string &temporary, FileDescriptor &handle)
{
    static constexpr char letters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::minstd_rand random(seed());
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temporary = name + '.';
        for (int i = 0; i < 6; ++i)
            temporary += letters[random() % (sizeof letters - 1)];
        error = fileSystem.createFile(folder, temporary, handle);
    }
    return error;
}

} // namespace

void write(FileSystem &fileSystem, const std::filesystem::path &file, std::string_view content)
{
    const std::filesystem::path folderPath = file.parent_path().empty() ? "." : file.parent_path();
    FileDescriptor folder;
    if (const int error = fileSystem.openFolder(folderPath, folder))
        fail(error, ErrorKind::cannotCreateTemporary, folderPath);
    FileDescriptor handle;
    std::string temporary;
    if (const int error
        = createTemporary(fileSystem, folder.get(), file.filename(), temporary, handle))
        fail(error, ErrorKind::cannotCreateTemporary, folderPath);
    const std::filesystem::path temporaryPath = folderPath / temporary;
    try {
        if (const int error = fileSystem.writeFile(handle.get(), content))
            fail(error, ErrorKind::cannotWrite, temporaryPath);
        if (const int error = fileSystem.syncData(handle.get()))
            fail(error, ErrorKind::cannotFlush, temporaryPath);
        if (const int error = fileSystem.closeFile(handle))
            fail(error, ErrorKind::cannotWrite, temporaryPath);
        if (const int error
            = fileSystem.renameReplacing(folder.get(), temporary, folder.get(), file.filename()))
            fail(error, ErrorKind::cannotReplace, file);
    } catch (...) {
        handle.reset();
        fileSystem.unlinkFile(folder.get(), temporary);
        throw;
    }
    // Without this a rename can be lost on power failure even though the data is safe.
    if (const int error = fileSystem.syncFolder(folder.get()))
        fail(error, ErrorKind::cannotFlushFolder, folderPath);
}

} // namespace AtomicFile
