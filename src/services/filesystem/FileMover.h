#pragma once

#include "services/filesystem/FileSystem.h"

#include <cstdint>
#include <string>
#include <system_error>

// Moves one file between two open folders without ever replacing anything, and
// without ever removing a name that may no longer be the file it was asked to move.
// Returns no error, the errno that made it fail, or EngineCondition::changedMeanwhile;
// on failure the file is where it was.
//
// Where the file system rejects no-replace renames (NFS, CIFS, some FUSE) and a probe
// shows that its hard links keep one identity (sshfs gives each name its own inode
// number and a link count of 1, so a link could never be told from another file),
// the file is hard-linked to its new name and its old name is first renamed aside to a
// private name, then checked, and only then removed; a file that another program
// saved over the old name meanwhile is put back there. Where hard links are not
// possible or not to be trusted (exFAT through FUSE, sshfs), the new name is reserved as an empty
// file made exclusively with no permissions, and the file is renamed over that reservation only
// while it is still the empty file made. That leaves one window: a program that writes into the
// reservation between the check and the rename loses what it wrote there. A reservation is told to
// the `Witness` before it is made and again once it is seen, so that after a kill undo can prove
// which empty file is one and remove it, and never one that a user made.
class FileMover
{
public:
    // Hears of each reservation, for the journal; returns 0 or the errno that kept it
    // from being written down, and then the reservation is not made.
    class Witness
    {
    public:
        // `reservingUnlooked`: the name was not looked at first, so only an empty file
        // with no permissions, as reservations are made, can be the reservation.
        enum class Stage : std::uint8_t { reserving, reservingUnlooked, reserved, released };
        // `name`, in the folder the file moves into, is reserved for the file `file`;
        // `reservation` is what stands there (only at `reserved`).
        virtual int reservation(Stage stage, const std::string &name, const FileIdentity &file,
            const EntryInfo &reservation)
            = 0;

    protected:
        ~Witness() = default;
    };

    // Links are probed in `probeFolder` (see linksKeepIdentity): the organized folder,
    // which undo clears of what a killed probe left.
    FileMover(FileSystem &fileSystem, int probeFolder, Witness *witness = nullptr)
        : m_fileSystem(fileSystem)
        , m_probeFolder(probeFolder)
        , m_witness(witness)
    { }
    // Another mover for the same run, told what `known` found out about the file system,
    // so that it never asks again: one for each thread that moves files at once.
    FileMover(const FileMover &known, Witness *witness)
        : m_fileSystem(known.m_fileSystem)
        , m_probeFolder(known.m_probeFolder)
        , m_witness(witness)
        , m_links(known.m_links)
        , m_noReplace(known.m_noReplace)
        , m_permissions(known.m_permissions)
    { }

    // Whether a move went through, so the route moves take is known, and movers made
    // from this one ask the file system nothing more about it.
    bool routeKnown() const { return m_noReplace != NoReplace::unknown; }
    Witness *witness() const { return m_witness; }

    // Moves `fromName`, which must be the file `expected`, to `toName`.
    // EngineCondition::changedMeanwhile when it is no longer that file (another program
    // replaced it), so it was not moved.
    std::error_code move(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName, const FileIdentity &expected);

    // The private name the fallback gives a file's old name while checking it; a run
    // killed at that moment leaves it, and undo looks for it there.
    static std::string asideName(const FileIdentity &identity);

    // Whether the last move went the fallback way, which may leave the old name
    // aside when a run is killed in the middle of it.
    bool usedFallback() const { return m_usedFallback; }

    // Removes `name` only while it is one more name of `expected`, so the file keeps
    // another.
    void removeExtraName(int folder, const std::string &name, const FileIdentity &expected);

    // Whether hard links on the file system of `folder` are seen as one file: the
    // name of a probe file and a link to it must give one inode and a link count of
    // 2. Found out once, on the first move that needs it.
    bool linksKeepIdentity(int folder);
    // Removes what a probe killed half-way left in `folder`.
    void removeProbe(int folder);

private:
    std::error_code moveByLink(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName, const FileIdentity &expected);
    std::error_code moveByReservation(int fromFolder, const std::string &fromName, int toFolder,
        const std::string &toName, const FileIdentity &expected);
    void removeReservationKeptAside(
        int folder, const std::string &name, const EntryInfo &reservation);
    int look(int folder, const std::string &name, EntryInfo &info);
    bool isFile(int folder, const std::string &name, const FileIdentity &expected);

    FileSystem &m_fileSystem;
    int m_probeFolder;
    Witness *m_witness;
    bool m_usedFallback = false;
    enum class Links : std::uint8_t { unknown, trusted, untrusted };
    Links m_links = Links::unknown;
    enum class NoReplace : std::uint8_t { unknown, accepted, rejected };
    NoReplace m_noReplace = NoReplace::unknown;
    // Whether reservations keep the no permissions they are made with, which tells them
    // from a user's empty file without a look at the name first.
    enum class Permissions : std::uint8_t { unknown, kept, lost };
    Permissions m_permissions = Permissions::unknown;
};
