#pragma once

#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FileSystem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Reaches folders below an open root one component at a time, never following a
// symbolic link, and keeps the handles it opened so that each folder is opened
// once however many files go there. It keeps no more handles than the limit on open
// files leaves room for, and gives them all up rather than fail for want of one.
class FolderWalker
{
public:
    struct Result
    {
        int fd = -1; // valid while the walker lives and givenUp() stays the same
        int error = 0; // errno of the step that failed
        bool creationFailed = false; // the failing step was creating a missing folder
        std::size_t failedDepth = 0; // index of the component that failed
    };

    // A folder that open() made, with the identity it had then.
    struct Created
    {
        std::vector<std::string> parts;
        FileIdentity identity;
    };

    FolderWalker(FileSystem &fileSystem, int root);

    // Opens root/parts[0]/parts[1]/...; with `create`, missing folders are made.
    Result open(const std::vector<std::string> &parts, bool create);
    // The held folders that are no longer at their place below the root (moved away by
    // another program, or replaced by a link or another folder), each looked up again
    // from the root level by level, never through a link. Their handles, and those of
    // the folders inside them, are given up, so that nothing more goes through them;
    // each is returned once, as its parts joined by '/', the outermost only.
    std::vector<std::string> dropMoved();
    // How often handles were given up: while it stays the same, every handle open()
    // gave is still open, for other threads to use too.
    std::size_t givenUp() const { return m_givenUp; }
    // Every folder made by open(), parents before the folders inside them.
    const std::vector<Created> &created() const { return m_created; }

private:
    // openSubfolder, retried once without the kept handles (but those of the folders
    // above, named by `key`) when the process has run out of handles.
    int openStep(
        int parent, const std::string &name, const std::string &key, FileDescriptor &handle);

    FileSystem &m_fileSystem;
    int m_root;
    std::size_t m_capacity;
    std::unordered_map<std::string, FileDescriptor> m_handles;
    struct Last
    {
        std::vector<std::string> parts;
        Result result;
    };
    std::optional<Last> m_last; // the folder opened last, while its handle is held
    std::vector<Created> m_created;
    std::size_t m_givenUp = 0;
};
