#include "services/rules/RulesFile.h"

#include "services/errors/EngineError.h"
#include "services/filesystem/FileDescriptor.h"
#include "services/filesystem/FolderMaking.h"
#include "services/journal/AtomicFile.h"
#include "services/rules/RulesCheck.h"
#include "services/rules/RulesText.h"

#include <cerrno>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// A rules file is a few kilobytes; anything much larger is not one.
constexpr std::uint64_t largestFile = 1 << 20;

[[noreturn]] void unreadable(const fs::path &path, int error)
{
    throw EngineError(make_error_code(EngineCondition::rulesInvalid),
        ErrorMessage(ErrorKind::rulesUnreadable, { path.native() }, error));
}

} // namespace

fs::path RulesFile::defaultPath()
{
    // As the XDG base directories say: a relative XDG_CONFIG_HOME is ignored.
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return fs::path(config) / "tidyra" / "rules.toml";
    const char *home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return fs::path(home) / ".config" / "tidyra" / "rules.toml";
    return {};
}

RulesFile::RulesFile(FileSystem &fileSystem, fs::path path)
    : m_fileSystem(fileSystem)
    , m_path(std::move(path))
{ }

fs::path RulesFile::folderPath() const
{
    return m_path.has_parent_path() ? m_path.parent_path() : fs::path(".");
}

RulesFile::Stamp RulesFile::look(FileDescriptor &file)
{
    // Through a link, as users keep their settings: the stamp is then the target's, so
    // an edit of the target is seen too. A link to nothing counts as no file.
    if (const int error = m_fileSystem.openToReadFollowing(m_path, file)) {
        if (error == ENOENT)
            return {};
        unreadable(m_path, error);
    }
    EntryInfo info;
    if (const int error = m_fileSystem.statFolder(file.get(), info))
        unreadable(m_path, error);
    return { true, info.identity.device, info.identity.inode, info.size, info.modified };
}

std::optional<std::string> RulesFile::readText()
{
    FileDescriptor file;
    if (!look(file).exists)
        return std::nullopt;
    return readText(file);
}

std::string RulesFile::readText(FileDescriptor &file)
{
    std::string text;
    for (;;) {
        const std::size_t at = text.size();
        text.resize(at + 65536);
        std::size_t got = 0;
        if (const int failed = m_fileSystem.readAt(file.get(), at, text.data() + at, 65536, got))
            unreadable(m_path, failed);
        text.resize(at + got);
        if (got == 0)
            return text;
        if (text.size() > largestFile)
            unreadable(m_path, EFBIG);
    }
}

std::shared_ptr<const SortingRules> RulesFile::current()
{
    if (m_path.empty() && !m_mustExist)
        return SortingRules::builtIn(); // no HOME: no place for a rules file
    FileDescriptor file;
    const Stamp stamp = look(file);
    if (!stamp.exists && m_mustExist)
        unreadable(m_path, ENOENT);
    if (m_stamp && *m_stamp == stamp) {
        if (m_failure)
            std::rethrow_exception(m_failure);
        return m_rules;
    }
    try {
        const std::optional<std::string> text
            = stamp.exists ? std::optional(readText(file)) : std::nullopt;
        RulesPlaces places;
        const RulesDocument document
            = text ? RulesText::parse(*text, m_path.native(), &places) : RulesDocument();
        m_rules = document.empty() ? SortingRules::builtIn()
                                   : RulesCheck::resolve(document, m_path.native(), &places);
        m_failure = nullptr;
    } catch (const EngineError &) {
        m_rules = nullptr;
        m_failure = std::current_exception();
        m_stamp = stamp;
        throw;
    }
    m_stamp = stamp;
    return m_rules;
}

RulesDocument RulesFile::readDocument()
{
    const std::optional<std::string> text = readText();
    if (!text)
        return {};
    RulesPlaces places;
    RulesDocument document = RulesText::parse(*text, m_path.native(), &places);
    RulesCheck::resolve(document, m_path.native(), &places);
    return document;
}

void RulesFile::save(const RulesDocument &document)
{
    RulesCheck::resolve(document, std::string(), nullptr);
    makeFolder(folderPath());
    AtomicFile::write(m_fileSystem, m_path, RulesText::write(document));
    m_stamp.reset();
}

void RulesFile::makeFolder(const fs::path &folder)
{
    fs::path failed;
    if (const int error = FolderMaking::makeFolders(m_fileSystem, folder, false, failed))
        throw EngineError(
            error, ErrorMessage(ErrorKind::cannotCreateFolderAt, { failed.native() }, error));
}

fs::path RulesFile::setAside()
{
    FileDescriptor folder;
    if (const int error = m_fileSystem.openFolder(folderPath(), folder))
        unreadable(m_path, error);
    const std::string name = m_path.filename().native() + ".invalid";
    for (std::uint64_t number = 0;; ++number) {
        const std::string candidate
            = number == 0 ? name : name + " (" + std::to_string(number) + ")";
        const int error = m_fileSystem.renameNoReplace(
            folder.get(), m_path.filename(), folder.get(), candidate);
        if (error == 0) {
            m_stamp.reset();
            return folderPath() / candidate;
        }
        if (error != EEXIST)
            throw EngineError(error,
                ErrorMessage(ErrorKind::cannotMoveTo, { m_path.native(), candidate }, error));
    }
}
