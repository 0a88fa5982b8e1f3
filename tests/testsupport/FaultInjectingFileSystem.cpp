#include "FaultInjectingFileSystem.h"

#include "services/filesystem/PosixFileSystem.h"

#include <numeric>

FaultInjectingFileSystem::FaultInjectingFileSystem(std::shared_ptr<FileSystem> inner)
    : m_inner(inner ? std::move(inner) : std::make_shared<PosixFileSystem>())
{ }

void FaultInjectingFileSystem::failCall(Operation operation, int nth, int error)
{
    m_faults.push_back({ operation, nth == 0 ? 0 : callCount(operation) + nth, error, {} });
}

void FaultInjectingFileSystem::beforeCall(Operation operation, int nth, std::function<void()> hook)
{
    m_faults.push_back(
        { operation, nth == 0 ? 0 : callCount(operation) + nth, 0, std::move(hook) });
}

void FaultInjectingFileSystem::killAt(int nth)
{
    m_killAt = int(m_log.size()) + nth;
}

void FaultInjectingFileSystem::reset()
{
    m_killAt = 0;
    m_faults.clear();
    m_calls.fill(0);
    m_log.clear();
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
    // A run on a share moves files from several threads; a hook may call in again.
    const std::lock_guard lock(m_guard);
    const int call = ++m_calls[static_cast<std::size_t>(operation)];
    m_log.push_back(operation);
    int error = 0;
    for (const Fault &fault : m_faults) {
        if (fault.operation != operation || (fault.nth != 0 && fault.nth != call))
            continue;
        if (fault.hook)
            fault.hook();
        else if (error == 0)
            error = fault.error;
    }
    // A hook may kill the process at this very call.
    return killed() ? EIO : error;
}
