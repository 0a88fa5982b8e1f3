#include "services/journal/JournalStore.h"

#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
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

#include <fcntl.h>
#include <sys/file.h>
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

[[noreturn]] void fail(const std::string &what, const fs::path &path, int error)
{
    throw EngineError(error,
        "cannot " + what + " " + ErrorDescriptions::inQuotes(path.native()) + ": "
            + ErrorDescriptions::reason(error));
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

// Like mkdir -p, but each folder made is private to the user: journals name the
// user's files.
void makeFolders(const fs::path &folder)
{
    struct stat info
    {
    };
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode))
            fail("create folder", folder, ENOTDIR);
        return;
    }
    if (folder.has_relative_path() && folder.parent_path() != folder)
        makeFolders(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        fail("create folder", folder, errno);
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
            throw EngineError(EngineCondition::journalUnusable,
                "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set");
        stateHome = home / ".local" / "state";
    }
    return stateHome / "tidyra";
}

void JournalStore::checkTrusted() const
{
    const uid_t user = ::geteuid();
    for (const fs::path &folder :
        { m_folder, runsFolder(), m_folder / "locks", m_folder / "details" }) {
        struct stat info
        {
        };
        // The folder itself may be reached through a link; what lies inside may not.
        const int found
            = folder == m_folder ? ::stat(folder.c_str(), &info) : ::lstat(folder.c_str(), &info);
        if (found != 0) {
            if (errno == ENOENT)
                continue;
            fail("open folder", folder, errno);
        }
        const std::string name = ErrorDescriptions::inQuotes(folder.native());
        if (!S_ISDIR(info.st_mode))
            throw EngineError(EngineCondition::journalUnusable,
                "the undo journal's folder " + name
                    + " is not a folder; remove it and Tidyra makes a new one");
        std::string why = "the undo journal's folder " + name;
        if (info.st_uid != user) {
            why += " belongs to another user, so Tidyra does not trust it; make it yours "
                   "(chown -R \"$(id -un)\" ";
            why += name;
            throw EngineError(EngineCondition::journalUnusable, why += ") or remove it");
        }
        if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
            why += " can be changed by other users, so Tidyra does not trust it; make it "
                   "private (chmod 700 ";
            why += name;
            throw EngineError(EngineCondition::journalUnusable, why += ")");
        }
    }
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
    FileDescriptor handle(::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!handle.isValid())
        fail("open", file, errno);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(handle.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            fail("lock", file, errno);
        if (std::chrono::steady_clock::now() >= deadline)
            throw EngineError(EngineCondition::folderBusy,
                "another Tidyra run is at work on this folder; try again when "
                "it has finished");
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

// KEY[.PATH].STARTED.jsonl: the parts before the start time, and the start time.
struct RunName
{
    std::string_view key;
    std::string_view path; // empty in runs of earlier releases
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
    RunName run { name.substr(0, last), {}, name.substr(last + 1) };
    if (const std::size_t dot = run.key.find('.'); dot != std::string_view::npos) {
        run.path = run.key.substr(dot + 1);
        run.key = run.key.substr(0, dot);
    }
    return run;
}

} // namespace

template <typename Matches> std::vector<fs::path> JournalStore::runsWhere(Matches matches) const
{
    std::vector<std::pair<std::string, fs::path>> found;
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(runsFolder(), error)) {
        const std::string name = entry.path().filename().native();
        const std::optional<RunName> run = splitRunName(name);
        if (run && matches(*run))
            found.emplace_back(run->started, entry.path());
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

fs::path JournalStore::runFile(const std::string &name) const
{
    return runsFolder() / name;
}

std::string JournalStore::lastRun() const
{
    std::string name;
    try {
        JournalReader reader(m_folder / "last-run");
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
        fail("remove", run, error);
}

fs::path JournalStore::oldJournal() const
{
    return m_folder / "undo-journal.json";
}
