#include "Scene.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

Scene::Scene()
    : m_folder(m_base / "folder")
    , m_outside(m_base / "outside")
    , m_state(m_base / "state")
{
    fs::create_directory(m_folder);
    fs::create_directory(m_outside);
}

std::string Scene::uniqueContent(const std::string &hint)
{
    return "#" + std::to_string(++m_counter) + " " + hint;
}

void Scene::file(const std::string &relative, unsigned mode)
{
    const fs::path path = m_folder / relative;
    writeFile(path, uniqueContent(relative));
    ::chmod(path.c_str(), mode);
    // A fixed, distinct time, so that a changed or recreated file shows.
    const timespec times[2]
        = { { 1'000'000'000 + m_counter, 123 }, { 1'000'000'000 + m_counter, 456'789 } };
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

void Scene::folderAt(const std::string &relative)
{
    fs::create_directories(m_folder / relative);
}

void Scene::link(const std::string &relative, const std::string &target)
{
    const fs::path path = m_folder / relative;
    fs::create_directories(path.parent_path());
    fs::create_symlink(target, path);
}

void Scene::fifo(const std::string &relative)
{
    const fs::path path = m_folder / relative;
    fs::create_directories(path.parent_path());
    if (::mkfifo(path.c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo failed");
}

void Scene::outsideFile(const std::string &relative)
{
    writeFile(m_outside / relative, uniqueContent("outside " + relative));
}

void Scene::outsideFolder(const std::string &relative)
{
    fs::create_directories(m_outside / relative);
}
