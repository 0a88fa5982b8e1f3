#pragma once

#include "FileSystem.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

// Wraps a real file system and, for tests, fails chosen calls with a chosen errno
// or runs a hook just before them (to change the disk at exactly that moment).
class FaultInjectingFileSystem final : public FileSystem
{
public:
    enum class Operation {
        openFolder,
        listFolder,
        openSubfolder,
        makeFolder,
        entryIn,
        renameNoReplace,
        hardLink,
        unlinkFile,
        removeFolder,
        statIn,
        statFolder,
        renameReplacing,
        createExclusive,
    };
    static constexpr std::size_t operationCount = 13;

    explicit FaultInjectingFileSystem(std::shared_ptr<FileSystem> inner = {});

    // Fails the `nth` call (1-based, counted from now) of `operation` with `error`;
    // nth 0 fails every call.
    void failCall(Operation operation, int nth, int error);
    // Runs `hook` just before the `nth` call (1-based; 0 every call) of `operation`.
    void beforeCall(Operation operation, int nth, std::function<void()> hook);
    void reset();

    int callCount(Operation operation) const;
    int totalCalls() const;

    int openFolder(const std::filesystem::path &folder, FileDescriptor &handle) override
    {
        return pass(Operation::openFolder,
            [&](FileSystem &inner) { return inner.openFolder(folder, handle); });
    }
    int listFolder(int folder, std::vector<DirectoryEntry> &entries) override
    {
        return pass(Operation::listFolder,
            [&](FileSystem &inner) { return inner.listFolder(folder, entries); });
    }
    int openSubfolder(int parent, const std::string &name, FileDescriptor &handle) override
    {
        return pass(Operation::openSubfolder,
            [&](FileSystem &inner) { return inner.openSubfolder(parent, name, handle); });
    }
    int makeFolder(int parent, const std::string &name) override
    {
        return pass(Operation::makeFolder,
            [&](FileSystem &inner) { return inner.makeFolder(parent, name); });
    }
    int entryIn(int folder, const std::string &name, EntryType &type) override
    {
        return pass(Operation::entryIn,
            [&](FileSystem &inner) { return inner.entryIn(folder, name, type); });
    }
    int statIn(int folder, const std::string &name, EntryInfo &info) override
    {
        return pass(
            Operation::statIn, [&](FileSystem &inner) { return inner.statIn(folder, name, info); });
    }
    int statFolder(int folder, EntryInfo &info) override
    {
        return pass(Operation::statFolder,
            [&](FileSystem &inner) { return inner.statFolder(folder, info); });
    }
    int renameReplacing(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override
    {
        return pass(Operation::renameReplacing, [&](FileSystem &inner) {
            return inner.renameReplacing(fromFolder, fromName, toFolder, toName);
        });
    }
    int createExclusive(int folder, const std::string &name) override
    {
        return pass(Operation::createExclusive,
            [&](FileSystem &inner) { return inner.createExclusive(folder, name); });
    }
    int renameNoReplace(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override
    {
        return pass(Operation::renameNoReplace, [&](FileSystem &inner) {
            return inner.renameNoReplace(fromFolder, fromName, toFolder, toName);
        });
    }
    int hardLink(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName) override
    {
        return pass(Operation::hardLink, [&](FileSystem &inner) {
            return inner.hardLink(fromFolder, fromName, toFolder, toName);
        });
    }
    int unlinkFile(int folder, const std::string &name) override
    {
        return pass(Operation::unlinkFile,
            [&](FileSystem &inner) { return inner.unlinkFile(folder, name); });
    }
    int removeFolder(int folder, const std::string &name) override
    {
        return pass(Operation::removeFolder,
            [&](FileSystem &inner) { return inner.removeFolder(folder, name); });
    }

private:
    struct Fault
    {
        Operation operation;
        int nth; // call number at which it applies; 0 = every call
        int error; // 0 for a hook
        std::function<void()> hook;
    };

    // Counts the call and returns the errno to fail it with, or 0 to go ahead.
    int intercept(Operation operation);
    template <typename Call> int pass(Operation operation, Call call)
    {
        const int error = intercept(operation);
        return error != 0 ? error : call(*m_inner);
    }

    std::shared_ptr<FileSystem> m_inner;
    std::array<int, operationCount> m_calls {};
    std::vector<Fault> m_faults;
};
