#include "services/journal/JournalStore.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/filesystem/FolderMaking.h"
#include "services/filesystem/PosixFileSystem.h"
#include "services/journal/AtomicFile.h"
#include "services/journal/JournalReader.h"
#include "services/paths/PathText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// `value` in lower-case hexadecimal, at least `width` digits.
std::string hexText(std::uint64_t value, std::size_t width = 0)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    return std::string(width > length ? width - length : 0, '0').append(digits, end);
}

[[noreturn]] void fail(ErrorKind what, const fs::path &path, int error)
{
    throw EngineError(error, ErrorDescriptions::pathFailure(what, path, error));
}

fs::path absoluteFromEnvironment(const char *name)
{
    // Read once, when the journal's place is settled, before any thread runs; nothing
    // in Tidyra changes its environment.
    const char *value = std::getenv(name); // NOLINT(concurrency-mt-unsafe)
    if (!value || value[0] != '/')
        return {};
    return value;
}

} // namespace

JournalStore::JournalStore(fs::path folder, FileSystem *fileSystem)
    : m_folder(std::move(folder))
    , m_fileSystem(fileSystem)
{
    static PosixFileSystem posix;
    if (!m_fileSystem)
        m_fileSystem = &posix;
}

fs::path JournalStore::defaultFolder()
{
    fs::path stateHome = absoluteFromEnvironment("XDG_STATE_HOME");
    if (stateHome.empty()) {
        const fs::path home = absoluteFromEnvironment("HOME");
        if (home.empty())
            throw EngineError(
                EngineCondition::journalUnusable, ErrorMessage { ErrorKind::noJournalPlace });
        stateHome = home / ".local" / "state";
    }
    return stateHome / "tidyra";
}

void JournalStore::checkTrusted() const
{
    const auto user = static_cast<std::uint32_t>(::geteuid());
    FileDescriptor top;
    for (const fs::path &folder :
        { m_folder, runsFolder(), m_folder / "locks", m_folder / "details" }) {
        EntryInfo info;
        // The folder itself may be reached through a link; what lies inside may not.
        int error = 0;
        if (folder == m_folder) {
            error = m_fileSystem->openFolder(folder, top);
            if (error == 0)
                error = m_fileSystem->statFolder(top.get(), info);
        } else {
            error = m_fileSystem->statIn(top.get(), folder.filename(), info);
        }
        if (error == ENOENT) {
            // Made, private, by prepare() when it is needed.
            if (folder == m_folder)
                return;
            continue;
        }
        if (error != 0)
            fail(ErrorKind::cannotOpenFolder, folder, error);
        const std::string name = folder.native();
        if (info.type != EntryType::directory)
            throw EngineError(EngineCondition::journalUnusable,
                ErrorMessage { ErrorKind::journalFolderNotAFolder, { name } });
        if (info.owner != user)
            throw EngineError(EngineCondition::journalUnusable,
                ErrorMessage { ErrorKind::journalFolderOfAnotherUser, { name } });
        if ((info.permissions & (S_IWGRP | S_IWOTH)) != 0)
            throw EngineError(EngineCondition::journalUnusable,
                ErrorMessage { ErrorKind::journalFolderWritableByOthers, { name } });
    }
}

void JournalStore::makeFolders(const fs::path &folder) const
{
    // Each folder made is private to the user: journals name the user's files.
    fs::path failed;
    if (const int error = FolderMaking::makeFolders(*m_fileSystem, folder, true, failed))
        fail(ErrorKind::cannotCreateFolderAt, failed, error);
}

void JournalStore::prepare() const
{
    makeFolders(runsFolder());
    makeFolders(m_folder / "locks");
    makeFolders(m_folder / "details");
    checkTrusted();
}

std::string JournalStore::key(const FileIdentity &folder)
{
    return hexText(folder.device) + '-' + hexText(folder.inode);
}

std::string JournalStore::pathKey(const fs::path &folder)
{
    // FNV-1a of the path's bytes: a short, fixed-length file name for any path; the
    // file itself names the folder in full, so a clash is recognised.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const fs::path normal = PathText::normalFolder(folder);
    for (const char c : normal.native()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hexText(hash, 16);
}

fs::path JournalStore::detailsFile(const fs::path &folder) const
{
    return m_folder / "details" / (pathKey(folder) + ".jsonl");
}

fs::path JournalStore::runsFolder() const
{
    return m_folder / "runs";
}

FileDescriptor JournalStore::lock(const FileIdentity &folder, std::chrono::milliseconds wait) const
{
    const fs::path file = m_folder / "locks" / (key(folder) + ".lock");
    FileDescriptor locks;
    FileDescriptor handle;
    int error = m_fileSystem->openFolder(file.parent_path(), locks);
    if (error == 0)
        error = m_fileSystem->openOrCreate(locks.get(), file.filename(), handle);
    if (error != 0)
        fail(ErrorKind::cannotOpen, file, error);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while ((error = m_fileSystem->tryLock(handle.get())) != 0) {
        if (error != EWOULDBLOCK)
            fail(ErrorKind::cannotLock, file, error);
        if (std::chrono::steady_clock::now() >= deadline)
            throw EngineError(EngineCondition::folderBusy, ErrorMessage { ErrorKind::folderBusy });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return handle;
}

fs::path JournalStore::newRunFile(const FileIdentity &folder, const fs::path &path) const
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string stamp
        = hexText(static_cast<std::uint64_t>(
                      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
            16);
    return runsFolder() / (key(folder) + "." + pathKey(path) + "." + stamp + ".jsonl");
}

namespace {

// KEY.PATH.STARTED.jsonl: its three parts.
struct RunName
{
    std::string_view key;
    std::string_view path;
    std::string_view started;
};

std::optional<RunName> splitRunName(std::string_view name)
{
    if (!name.ends_with(".jsonl"))
        return std::nullopt;
    name.remove_suffix(6);
    const std::size_t last = name.rfind('.');
    if (last == std::string_view::npos)
        return std::nullopt;
    const std::size_t dot = name.find('.');
    if (dot == last)
        return std::nullopt;
    return RunName { name.substr(0, dot), name.substr(dot + 1, last - dot - 1),
        name.substr(last + 1) };
}

} // namespace

template <typename Matches> std::vector<fs::path> JournalStore::runsWhere(Matches matches) const
{
    std::vector<std::pair<std::string, fs::path>> found;
    // A runs folder that cannot be listed holds no run that can be undone.
    FileDescriptor folder;
    std::vector<DirectoryEntry> entries;
    if (m_fileSystem->openFolder(runsFolder(), folder) != 0
        || m_fileSystem->listFolder(folder.get(), entries) != 0)
        return {};
    for (const DirectoryEntry &entry : entries) {
        const std::optional<RunName> run = splitRunName(entry.name);
        if (run && matches(*run))
            found.emplace_back(run->started, runsFolder() / entry.name);
    }
    std::sort(found.begin(), found.end(), std::greater<>());
    std::vector<fs::path> runs;
    runs.reserve(found.size());
    for (auto &[started, path] : found)
        runs.push_back(std::move(path));
    return runs;
}

std::vector<fs::path> JournalStore::runsOf(const FileIdentity &folder) const
{
    const std::string wanted = key(folder);
    return runsWhere([&](const RunName &run) { return run.key == wanted; });
}

std::vector<fs::path> JournalStore::runsOf(const FileIdentity &folder, const fs::path &path) const
{
    const std::string wanted = key(folder);
    const std::string wantedPath = pathKey(path);
    return runsWhere(
        [&](const RunName &run) { return run.key == wanted || run.path == wantedPath; });
}

std::vector<fs::path> JournalStore::runsWithId(std::string_view id) const
{
    return runsWhere([&](const RunName &run) { return run.started == id; });
}

std::string JournalStore::runId(const fs::path &run)
{
    // The pieces point into the name, which must outlive them.
    const fs::path file = run.filename();
    const std::optional<RunName> name = splitRunName(file.native());
    return name ? std::string(name->started) : std::string();
}

fs::path JournalStore::runFile(const std::string &name) const
{
    return runsFolder() / name;
}

std::string JournalStore::lastRun() const
{
    std::string name;
    try {
        JournalReader reader(*m_fileSystem, m_folder / "last-run");
        JournalReader::Line line;
        if (reader.next(line) && !line.tooLong)
            name = line.text;
    } catch (const EngineError &) {
        return {};
    }
    // Only a plain name in the runs folder is ever followed.
    if (name.find('/') != std::string::npos || name == "." || name == "..")
        return {};
    return name;
}

void JournalStore::setLastRun(const std::string &name) const
{
    AtomicFile::write(*m_fileSystem, m_folder / "last-run", name + "\n");
}

void JournalStore::remove(const fs::path &run) const
{
    FileDescriptor folder;
    int error = m_fileSystem->openFolder(run.parent_path(), folder);
    if (error == 0)
        error = m_fileSystem->unlinkFile(folder.get(), run.filename());
    if (error != 0 && error != ENOENT)
        fail(ErrorKind::cannotRemove, run, error);
}

bool JournalStore::exists(const fs::path &file) const
{
    FileDescriptor folder;
    EntryInfo info;
    return m_fileSystem->openFolder(file.parent_path(), folder) == 0
        && m_fileSystem->statIn(folder.get(), file.filename(), info) == 0;
}
