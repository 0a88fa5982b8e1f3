#include "UndoJournal.h"

#include "AtomicFile.h"
#include "FileDescriptor.h"
#include "JournalFormat.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string quoted(const std::filesystem::path &path)
{
    return "\"" + path.string() + "\"";
}

// Like mkdir -p, but each folder made here is private to the user: the journal
// names the user's files.
void makeFolders(const std::filesystem::path &folder)
{
    if (folder.empty())
        return;
    struct stat info
    {
    };
    if (::stat(folder.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode))
            throw std::runtime_error(
                "cannot create folder " + quoted(folder) + ": " + std::strerror(ENOTDIR));
        return;
    }
    if (folder.has_relative_path())
        makeFolders(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw std::runtime_error(
            "cannot create folder " + quoted(folder) + ": " + std::strerror(errno));
}

// The JSON library prefixes its messages with "[json.exception.parse_error.101] ".
std::string withoutLibraryTag(const std::string &message)
{
    if (message.starts_with("[json.exception.")) {
        const std::size_t end = message.find("] ");
        if (end != std::string::npos)
            return message.substr(end + 2);
    }
    return message;
}

std::filesystem::path absoluteFromEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return value;
}

} // namespace

UndoJournal::UndoJournal(std::filesystem::path file)
    : m_file(std::move(file))
{ }

std::filesystem::path UndoJournal::defaultFile()
{
    std::filesystem::path stateHome = absoluteFromEnvironment("XDG_STATE_HOME");
    if (stateHome.empty()) {
        const std::filesystem::path home = absoluteFromEnvironment("HOME");
        if (home.empty())
            throw std::runtime_error(
                "cannot find a place for the undo journal: neither XDG_STATE_HOME nor HOME is set");
        stateHome = home / ".local" / "state";
    }
    return stateHome / "tidyra" / "undo-journal.json";
}

void UndoJournal::prepare() const
{
    makeFolders(m_file.parent_path());
}

void UndoJournal::save(const UndoRecord &record) const
{
    prepare();
    AtomicFile::write(m_file, JournalFormat::toJson(record).dump(2) + "\n");
}

std::optional<UndoRecord> UndoJournal::load() const
{
    std::string content;
    FileDescriptor handle(::open(m_file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!handle.isValid() && errno == ENOENT)
        return std::nullopt;
    if (!handle.isValid())
        throw std::runtime_error(
            "cannot read the undo journal " + quoted(m_file) + ": " + std::strerror(errno));
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(handle.get(), buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(
                "cannot read the undo journal " + quoted(m_file) + ": " + std::strerror(errno));
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    // A journal emptied by hand holds nothing to undo.
    if (content.find_first_not_of(" \t\r\n") == std::string::npos)
        return std::nullopt;

    try {
        return JournalFormat::fromJson(nlohmann::ordered_json::parse(content));
    } catch (const std::exception &error) {
        throw std::runtime_error("the undo journal " + quoted(m_file)
            + " is not a valid undo journal and was left untouched: "
            + withoutLibraryTag(error.what()));
    }
}

void UndoJournal::discard() const
{
    AtomicFile::remove(m_file);
}
