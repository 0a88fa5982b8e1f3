#pragma once

#include "services/filesystem/FileMover.h"

#include <mutex>

// Hands the reservations of movers on several threads to one witness, one at a time.
class SerialWitness final : public FileMover::Witness
{
public:
    explicit SerialWitness(FileMover::Witness &inner)
        : m_inner(inner)
    { }

    int reservation(Stage stage, const std::string &name, const FileIdentity &file,
        const EntryInfo &reservation) override
    {
        const std::lock_guard lock(m_guard);
        return m_inner.reservation(stage, name, file, reservation);
    }

private:
    FileMover::Witness &m_inner;
    std::mutex m_guard;
};
