#pragma once

#include "model/RulesDocument.h"
#include "model/SortingRules.h"
#include "services/filesystem/FileSystem.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>

// The user's rules file: read when it changed, written by the app's Rules window.
// Not thread-safe: one instance per thread that reads it.
class RulesFile
{
public:
    // $XDG_CONFIG_HOME/tidyra/rules.toml, else ~/.config/tidyra/rules.toml; empty when
    // neither is set.
    static std::filesystem::path defaultPath();

    explicit RulesFile(FileSystem &fileSystem, std::filesystem::path path);

    const std::filesystem::path &path() const { return m_path; }
    // Whether a missing file is a failure rather than the built-in rules: for a file
    // the user named.
    void setMustExist(bool mustExist) { m_mustExist = mustExist; }
    // The rules in force: built in when the file is missing or empty; read again only
    // when the file changed since the last call. Throws EngineError (file, line,
    // column, what is wrong) when it is unreadable or invalid, each time it is asked
    // until the file is fixed.
    std::shared_ptr<const SortingRules> current();
    // What the file says; an empty document when it is missing. Throws as above.
    RulesDocument readDocument();
    // Checks `document`, then writes it atomically, with a note at the top that the
    // Rules window rewrites it. Throws EngineError (nothing written) when invalid.
    void save(const RulesDocument &document);
    // Back to the defaults: renames the file to a free "rules.toml.invalid" (or
    // "rules.toml.invalid (n)") beside it, never replacing anything; returns the new
    // path.
    std::filesystem::path setAside();

private:
    // How the file looked when it was last read: a change of any of these reads it again.
    struct Stamp
    {
        bool exists = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::uint64_t size = 0;
        std::int64_t modified = 0;
        bool operator==(const Stamp &) const = default;
    };

    // The folder that holds the file.
    std::filesystem::path folderPath() const;
    // The file's stamp, opened to read into `file`; throws when it cannot be looked at
    // for another reason than its absence.
    Stamp look(FileDescriptor &file);
    // The file's text; nothing when it is missing.
    std::optional<std::string> readText();
    // The text of the open `file`.
    std::string readText(FileDescriptor &file);
    // Makes `folder` and the folders above it that are missing.
    void makeFolder(const std::filesystem::path &folder);

    FileSystem &m_fileSystem;
    std::filesystem::path m_path;
    std::optional<Stamp> m_stamp; // of the last successful read
    std::shared_ptr<const SortingRules> m_rules;
    std::exception_ptr m_failure; // why the file as stamped cannot be used
    bool m_mustExist = false;
};
