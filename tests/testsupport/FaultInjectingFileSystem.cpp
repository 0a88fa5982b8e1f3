#include "FaultInjectingFileSystem.h"

#include "PosixFileSystem.h"

#include <numeric>

using Op = FaultInjectingFileSystem::Operation;

FaultInjectingFileSystem::FaultInjectingFileSystem(std::shared_ptr<FileSystem> inner)
    : m_inner(inner ? std::move(inner) : std::make_shared<PosixFileSystem>())
{ }

void FaultInjectingFileSystem::failCall(Operation operation, int nth, int error)
{
    const int base = nth == 0 ? 0 : callCount(operation);
    m_faults.push_back({ operation, nth == 0 ? 0 : base + nth, error, {} });
}

void FaultInjectingFileSystem::beforeCall(Operation operation, int nth, std::function<void()> hook)
{
    const int base = nth == 0 ? 0 : callCount(operation);
    m_faults.push_back({ operation, nth == 0 ? 0 : base + nth, 0, std::move(hook) });
}

void FaultInjectingFileSystem::reset()
{
    m_faults.clear();
    m_calls.fill(0);
}

int FaultInjectingFileSystem::callCount(Operation operation) const
{
    return m_calls[static_cast<std::size_t>(operation)];
}

int FaultInjectingFileSystem::totalCalls() const
{
    return std::accumulate(m_calls.begin(), m_calls.end(), 0);
}

int FaultInjectingFileSystem::intercept(Operation operation)
{
    const int call = ++m_calls[static_cast<std::size_t>(operation)];
    int error = 0;
    for (const Fault &fault : m_faults) {
        if (fault.operation != operation || (fault.nth != 0 && fault.nth != call))
            continue;
        if (fault.hook)
            fault.hook();
        else if (error == 0)
            error = fault.error;
    }
    return error;
}

int FaultInjectingFileSystem::openFolder(
    const std::filesystem::path &folder, FileDescriptor &handle)
{
    if (int error = intercept(Op::openFolder))
        return error;
    return m_inner->openFolder(folder, handle);
}

int FaultInjectingFileSystem::listFolder(int folder, std::vector<DirectoryEntry> &entries)
{
    if (int error = intercept(Op::listFolder))
        return error;
    return m_inner->listFolder(folder, entries);
}

int FaultInjectingFileSystem::openSubfolder(
    int parent, const std::string &name, FileDescriptor &handle)
{
    if (int error = intercept(Op::openSubfolder))
        return error;
    return m_inner->openSubfolder(parent, name, handle);
}

int FaultInjectingFileSystem::makeFolder(int parent, const std::string &name)
{
    if (int error = intercept(Op::makeFolder))
        return error;
    return m_inner->makeFolder(parent, name);
}

int FaultInjectingFileSystem::entryIn(int folder, const std::string &name, EntryType &type)
{
    if (int error = intercept(Op::entryIn))
        return error;
    return m_inner->entryIn(folder, name, type);
}

int FaultInjectingFileSystem::renameNoReplace(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    if (int error = intercept(Op::renameNoReplace))
        return error;
    return m_inner->renameNoReplace(fromFolder, fromName, toFolder, toName);
}

int FaultInjectingFileSystem::hardLink(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    if (int error = intercept(Op::hardLink))
        return error;
    return m_inner->hardLink(fromFolder, fromName, toFolder, toName);
}

int FaultInjectingFileSystem::unlinkFile(int folder, const std::string &name)
{
    if (int error = intercept(Op::unlinkFile))
        return error;
    return m_inner->unlinkFile(folder, name);
}

int FaultInjectingFileSystem::removeFolder(int folder, const std::string &name)
{
    if (int error = intercept(Op::removeFolder))
        return error;
    return m_inner->removeFolder(folder, name);
}

int FaultInjectingFileSystem::statIn(int folder, const std::string &name, EntryInfo &info)
{
    if (int error = intercept(Op::statIn))
        return error;
    return m_inner->statIn(folder, name, info);
}

int FaultInjectingFileSystem::statFolder(int folder, EntryInfo &info)
{
    if (int error = intercept(Op::statFolder))
        return error;
    return m_inner->statFolder(folder, info);
}

int FaultInjectingFileSystem::renameReplacing(
    int fromFolder, const std::string &fromName, int toFolder, const std::string &toName)
{
    if (int error = intercept(Op::renameReplacing))
        return error;
    return m_inner->renameReplacing(fromFolder, fromName, toFolder, toName);
}

int FaultInjectingFileSystem::createExclusive(int folder, const std::string &name)
{
    if (int error = intercept(Op::createExclusive))
        return error;
    return m_inner->createExclusive(folder, name);
}
