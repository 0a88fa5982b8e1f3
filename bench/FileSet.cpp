#include "FileSet.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace FileSet {

namespace {

// Weighted by repetition: photos and documents dominate, as in a downloads folder.
constexpr std::array<const char *, 20> extensions = { "jpg", "jpg", "jpg", "png", "JPG", "pdf",
    "pdf", "docx", "txt", "mp3", "mp4", "cpp", "py", "zip", "dmg", "psd", "ttf", "obj", "qqq", "" };

} // namespace

std::string name(std::size_t index)
{
    char text[32];
    std::snprintf(text, sizeof text, "file%07zu", index);
    const char *extension = extensions[index % extensions.size()];
    return *extension ? std::string(text) + '.' + extension : std::string(text);
}

void create(const std::filesystem::path &folder, std::size_t count)
{
    std::filesystem::create_directories(folder);
    const int root = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0)
        throw std::runtime_error("cannot open " + folder.string());
    for (std::size_t i = 0; i < count; ++i) {
        const int fd
            = ::openat(root, name(i).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            ::close(root);
            throw std::runtime_error("cannot create files in " + folder.string());
        }
        ::close(fd);
    }
    ::close(root);
}

void remove(const std::filesystem::path &folder)
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace FileSet
