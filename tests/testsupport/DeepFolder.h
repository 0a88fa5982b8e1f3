#pragma once

#include <filesystem>
#include <string>

// A folder whose path is longer than PATH_MAX, below `base`: no call that takes the
// whole path can reach it, only calls relative to a handle of a folder on the way.
class DeepFolder
{
public:
    explicit DeepFolder(const std::filesystem::path &base);
    ~DeepFolder();
    DeepFolder(const DeepFolder &) = delete;
    DeepFolder &operator=(const DeepFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    // A short path to the same folder, through its open handle, for the test's own
    // reading and writing.
    std::filesystem::path shortPath() const { return "/proc/self/fd/" + std::to_string(m_handle); }

private:
    std::filesystem::path m_top;
    std::filesystem::path m_path;
    int m_handle = -1;
};
