#pragma once

#include <filesystem>
#include <string>

// A folder whose path is longer than PATH_MAX, below `base`: no call that takes the
// whole path can reach it, only calls relative to a handle of a folder on the way.
// Breaks itself up on destruction so that the base folder can be removed as usual.
class DeepFolder
{
public:
    explicit DeepFolder(const std::filesystem::path &base);
    ~DeepFolder();
    DeepFolder(const DeepFolder &) = delete;
    DeepFolder &operator=(const DeepFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    // A handle of the deep folder itself.
    int handle() const { return m_handle; }

    // Relative to the deep folder.
    void write(const std::string &relative, const std::string &content) const;
    // The content of the file, or "<missing>" when there is none.
    std::string read(const std::string &relative) const;
    bool exists(const std::string &relative) const;

private:
    std::filesystem::path m_base;
    std::filesystem::path m_path;
    int m_handle = -1;
};
