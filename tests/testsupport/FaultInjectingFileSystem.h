#pragma once

#include "services/filesystem/FileSystem.h"

#include <array>
#include <functional>
#include <memory>
#include <mutex>
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
        renameNoReplace,
        hardLink,
        unlinkFile,
        removeFolder,
        statIn,
        statFolder,
        renameReplacing,
        createExclusive,
        fileSystemType,
        createFile,
        openToAppend,
        writeFile,
        readAt,
        syncData,
        syncFolder,
        closeFile,
        openToRead,
        openOrCreate,
        tryLock,
        makePrivateFolder,
        hasWriter,
        openToReadFollowing
    };
    static constexpr std::size_t operationCount = 26;

    explicit FaultInjectingFileSystem(std::shared_ptr<FileSystem> inner = {});

    // Fails the `nth` call (1-based, counted from now) of `operation` with `error`;
    // nth 0 fails every call.
    void failCall(Operation operation, int nth, int error);
    // Runs `hook` just before the `nth` call (1-based; 0 every call) of `operation`.
    void beforeCall(Operation operation, int nth, std::function<void()> hook);
    // From the `nth` call (1-based, any operation, counted from now; 0 from a hook: the
    // call it runs before) on, every call fails with EIO: nothing after it happens, as
    // if the process was killed just before it. Until reset().
    void killAt(int nth);
    bool killed() const { return m_killAt != 0 && int(m_log.size()) >= m_killAt; }
    // fileSystemType() gives `type`, whatever the folder is on (0: what it is on).
    void pretendFileSystem(std::uint64_t type) { m_type = type; }
    void reset();

    int callCount(Operation operation) const;
    int totalCalls() const;
    // Every call since the last reset, in order.
    const std::vector<Operation> &calls() const { return m_log; }

// Each call is counted, may fail or run a hook, and otherwise goes to the real one
// (parameters: folder, name, target folder, new name, handle, entries, type, info).
#define TIDYRA_PASS_THROUGH(name, parameters, ...)                                                 \
    int name parameters override                                                                   \
    {                                                                                              \
        const int error = intercept(Operation::name);                                              \
        return error != 0 ? error : m_inner->name(__VA_ARGS__);                                    \
    }
    TIDYRA_PASS_THROUGH(openFolder, (const std::filesystem::path &p, FileDescriptor &h), p, h)
    TIDYRA_PASS_THROUGH(listFolder, (int f, std::vector<DirectoryEntry> &e), f, e)
    TIDYRA_PASS_THROUGH(openSubfolder, (int f, const std::string &n, FileDescriptor &h), f, n, h)
    TIDYRA_PASS_THROUGH(makeFolder, (int f, const std::string &n), f, n)
    TIDYRA_PASS_THROUGH(statIn, (int f, const std::string &n, EntryInfo &i), f, n, i)
    TIDYRA_PASS_THROUGH(statFolder, (int f, EntryInfo &i), f, i)
    TIDYRA_PASS_THROUGH(
        renameReplacing, (int f, const std::string &n, int t, const std::string &m), f, n, t, m)
    TIDYRA_PASS_THROUGH(
        renameNoReplace, (int f, const std::string &n, int t, const std::string &m), f, n, t, m)
    TIDYRA_PASS_THROUGH(
        hardLink, (int f, const std::string &n, int t, const std::string &m), f, n, t, m)
    TIDYRA_PASS_THROUGH(createExclusive, (int f, const std::string &n), f, n)
    TIDYRA_PASS_THROUGH(unlinkFile, (int f, const std::string &n), f, n)
    TIDYRA_PASS_THROUGH(removeFolder, (int f, const std::string &n), f, n)
    TIDYRA_PASS_THROUGH(createFile, (int f, const std::string &n, FileDescriptor &h), f, n, h)
    TIDYRA_PASS_THROUGH(openToAppend, (int f, const std::string &n, FileDescriptor &h), f, n, h)
    TIDYRA_PASS_THROUGH(openToRead, (int f, const std::string &n, FileDescriptor &h), f, n, h)
    TIDYRA_PASS_THROUGH(openOrCreate, (int f, const std::string &n, FileDescriptor &h), f, n, h)
    TIDYRA_PASS_THROUGH(hasWriter, (int f, const std::string &n, bool &w), f, n, w)
    TIDYRA_PASS_THROUGH(
        openToReadFollowing, (const std::filesystem::path &p, FileDescriptor &h), p, h)
    TIDYRA_PASS_THROUGH(tryLock, (int f), f)
    TIDYRA_PASS_THROUGH(makePrivateFolder, (int f, const std::string &n), f, n)
    TIDYRA_PASS_THROUGH(writeFile, (int f, std::string_view d), f, d)
    TIDYRA_PASS_THROUGH(
        readAt, (int f, std::uint64_t o, char *i, std::size_t s, std::size_t &g), f, o, i, s, g)
    TIDYRA_PASS_THROUGH(syncData, (int f), f)
    TIDYRA_PASS_THROUGH(syncFolder, (int f), f)
    TIDYRA_PASS_THROUGH(closeFile, (FileDescriptor & h), h)
#undef TIDYRA_PASS_THROUGH
    int fileSystemType(int folder, std::uint64_t &type) override
    {
        const int error = intercept(Operation::fileSystemType);
        if (error != 0 || m_type == 0)
            return error != 0 ? error : m_inner->fileSystemType(folder, type);
        type = m_type;
        return 0;
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

    std::shared_ptr<FileSystem> m_inner;
    std::array<int, operationCount> m_calls {};
    std::vector<Fault> m_faults;
    std::vector<Operation> m_log;
    int m_killAt = 0;
    std::uint64_t m_type = 0;
    std::recursive_mutex m_guard;
};
