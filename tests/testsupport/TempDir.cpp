#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "tidyra-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code error;
    fs::remove_all(m_path, error);
    if (error) // below PATH_MAX only; rm also reaches deeper, by handle
        std::system(("rm -rf '" + m_path.string() + "'").c_str());
}

void writeFile(const fs::path &path, std::string_view content)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

TreeSnapshot snapshotTree(const fs::path &root)
{
    TreeSnapshot snapshot;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        struct stat info = {};
        ::lstat(it->path().c_str(), &info);
        EntrySnapshot entry { S_ISREG(info.st_mode) ? 'f'
                : S_ISDIR(info.st_mode)             ? 'd'
                : S_ISLNK(info.st_mode)             ? 'l'
                                                    : 'o',
            {}, info.st_mode & 07777u, 0 };
        if (entry.kind == 'f')
            entry.content = readFile(it->path());
        else if (entry.kind == 'l')
            entry.content = fs::read_symlink(it->path()).string();
        if (entry.kind != 'd')
            entry.mtimeNs = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
        // Lexically: a link is its own entry, never the place it points to.
        snapshot[it->path().lexically_relative(root).native()] = entry;
    }
    return snapshot;
}

std::string describeDifference(const TreeSnapshot &expected, const TreeSnapshot &actual)
{
    std::ostringstream out;
    for (const auto &[name, entry] : expected)
        if (!actual.count(name) || !(actual.at(name) == entry))
            out << (actual.count(name) ? "changed: " : "missing: ") << name << '\n';
    for (const auto &[name, entry] : actual)
        if (!expected.count(name))
            out << "added: " << name << '\n';
    return out.str();
}
