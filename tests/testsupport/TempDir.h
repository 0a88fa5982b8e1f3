#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with all it holds
// when the object goes away.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path &relative) const
    {
        return m_path / relative;
    }

private:
    std::filesystem::path m_path;
};

// Writes `content` to `path`, creating parent folders.
void writeFile(const std::filesystem::path &path, std::string_view content = {});
std::string readFile(const std::filesystem::path &path);

// Everything below a folder, for before/after comparisons: relative path (bytes)
// to a description of kind, content or link target, mode and modification time.
struct EntrySnapshot
{
    char kind = '?'; // 'f' file, 'd' folder, 'l' link, 'o' other
    std::string content; // file content or link target
    unsigned mode = 0;
    long long mtimeNs = 0; // files and links only; folders change when entries move
    friend bool operator==(const EntrySnapshot &, const EntrySnapshot &) = default;
};
using TreeSnapshot = std::map<std::string, EntrySnapshot>;
TreeSnapshot snapshotTree(const std::filesystem::path &root);
// A readable list of what differs, empty when equal.
std::string describeDifference(const TreeSnapshot &expected, const TreeSnapshot &actual);
