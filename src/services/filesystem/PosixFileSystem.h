#pragma once

#include "services/filesystem/FileSystem.h"

// The file-system layer on Linux system calls.
class PosixFileSystem final : public FileSystem
{
public:
    int openFolder(const std::filesystem::path &folder, FileDescriptor &handle) override;
    int listFolder(int folder, std::vector<DirectoryEntry> &entries) override;
    int openSubfolder(int parent, const std::string &name, FileDescriptor &handle) override;
    int makeFolder(int parent, const std::string &name) override;
    int statIn(int folder, const std::string &name, EntryInfo &info) override;
    int statFolder(int folder, EntryInfo &info) override;
    int fileSystemType(int folder, std::uint64_t &type) override;
    int hasWriter(int folder, const std::string &name, bool &written) override;
    int renameNoReplace(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override;
    int hardLink(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override;
    int renameReplacing(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override;
    int createExclusive(int folder, const std::string &name) override;
    int unlinkFile(int folder, const std::string &name) override;
    int removeFolder(int folder, const std::string &name) override;
    int createFile(int folder, const std::string &name, FileDescriptor &handle) override;
    int openToAppend(int folder, const std::string &name, FileDescriptor &handle) override;
    int openToRead(int folder, const std::string &name, FileDescriptor &handle) override;
    int openToReadFollowing(const std::filesystem::path &path, FileDescriptor &handle) override;
    int openOrCreate(int folder, const std::string &name, FileDescriptor &handle) override;
    int tryLock(int file) override;
    int makePrivateFolder(int parent, const std::string &name) override;
    int writeFile(int file, std::string_view data) override;
    int readAt(
        int file, std::uint64_t offset, char *into, std::size_t size, std::size_t &got) override;
    int syncData(int file) override;
    int syncFolder(int folder) override;
    int closeFile(FileDescriptor &handle) override;
};
