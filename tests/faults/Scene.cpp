#include "Scene.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;

Scene::Scene()
    : m_folder(m_base / "folder")
    , m_outside(m_base / "outside")
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
    const timespec times[2] = { { 1'000'000'000 + m_counter, 0 }, { 1'000'000'000, m_counter } };
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

void Scene::link(const std::string &relative, const std::string &target)
{
    fs::create_directories((m_folder / relative).parent_path());
    fs::create_symlink(target, m_folder / relative);
}

void Scene::outsideFile(const std::string &relative)
{
    writeFile(m_outside / relative, uniqueContent("outside " + relative));
}

void Scene::fillWithClashes()
{
    const std::string longName = std::string(251, 'a') + ".txt"; // 255 bytes, the limit
    for (const std::string &name : std::initializer_list<std::string> { "a.jpg", "c.JPG",
             "photo.jpg", "photo (1).jpg", "Images/JPG/photo.jpg", "emoji\xf0\x9f\x98\x80.png",
             "Images/PNG/emoji\xf0\x9f\x98\x80.png", "e\xcc\x81.jpg", "report.pdf",
             "stra\u00dfe.PDF", "\xe6\x97\xa5\xe6\x9c\xac.txt", "Documents/TXT/" + longName,
             longName, "README", "notes.", "x.qqq", "caf\xe9.mp3", "song.mp3", "clip.mp4",
             "Videos/.keep", "main.cpp", "broken\xff\xfe.py", "backup.tar.gz", "Archives",
             ".hidden.jpg", ".config/a.txt", "sub/inner.jpg" })
        file(name, m_counter % 3 ? 0644 : 0600);
    file("b.png", 0755);
    fs::create_directories(m_folder / "Code"); // empty before the run
    fs::create_directories(m_folder / "Holiday"); // a user's own empty folder
    outsideFile("music/kept.mp3");
    link("Audio", (m_outside / "music").string());
    outsideFile("secret.txt");
    link("secret.txt", (m_outside / "secret.txt").string());
    link("shortcut.jpg", "a.jpg");
    link("gone.pdf", "nowhere.pdf");
    if (::mkfifo((m_folder / "pipe.mp3").c_str(), 0644) != 0)
        throw std::runtime_error("mkfifo failed");
}
