#include "Scene.h"

#include "model/FileCategory.h"
#include "model/FileName.h"
#include "model/Text.h"

#include <array>
#include <fcntl.h>
#include <set>
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

std::size_t pick(std::mt19937_64 &random, std::size_t count)
{
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
}

bool chance(std::mt19937_64 &random, double probability)
{
    return std::bernoulli_distribution(probability)(random);
}

std::string randomFileName(std::mt19937_64 &random)
{
    static constexpr std::array<const char *, 12> bases = { "photo", "report", "README",
        "stra\u00dfe", "\xe6\x97\xa5\xe6\x9c\xac", "caf\xc3\xa9", "cafe\xcc\x81",
        "emoji\xf0\x9f\x98\x80", "Latin1-caf\xe9", "bad\xff\xfe", "photo (1)", "a b" };
    static constexpr std::array<const char *, 16> extensions = { ".jpg", ".JPG", ".png", ".pdf",
        ".txt", ".mp3", ".mp4", ".cpp", ".zip", ".tar.gz", ".psd", ".qqq", "", "", ".", ".Jpg" };
    std::string name = bases[pick(random, bases.size())];
    if (chance(random, 0.5))
        name += std::to_string(pick(random, 20));
    return name + extensions[pick(random, extensions.size())];
}

void Scene::fillRandomly(std::mt19937_64 &random)
{
    std::set<std::string> taken;
    const auto unusedName = [&] {
        for (;;) {
            if (std::string name = randomFileName(random); taken.insert(name).second)
                return name;
        }
    };
    const auto category = [&] { return std::string(rawValue(allCases[pick(random, 11)])); };
    const auto mode = [&] { return std::array { 0644u, 0600u, 0755u, 0444u }[pick(random, 4)]; };
    std::vector<std::string> topFiles;
    for (std::size_t i = 0, count = 1 + pick(random, 20); i < count; ++i) {
        topFiles.push_back(unusedName());
        file(topFiles.back(), mode());
    }
    // Names already taken where some of the files are about to go, with and without a
    // sub-group folder, and sometimes their first numbered name too.
    std::set<std::string> categoryFolders;
    for (const std::string &name : topFiles) {
        if (!chance(random, 0.25))
            continue;
        const std::string folder(rawValue(categoryForExtension(FileName::extension(name))));
        const std::string group = Text::toUpperCase(FileName::extension(name));
        categoryFolders.insert(folder);
        file(folder + '/' + name, mode());
        if (!group.empty())
            file(folder + '/' + group + '/' + name, mode());
        if (chance(random, 0.3))
            file(folder + '/' + FileName::numbered(name, 1), mode());
    }
    if (const std::string name = category();
        chance(random, 0.2) && categoryFolders.insert(name).second)
        fs::create_directories(m_folder / name); // empty before the run
    if (const std::string name = category();
        chance(random, 0.2) && !categoryFolders.count(name) && taken.insert(name).second)
        file(name, mode()); // a file where a category folder would go
    if (const std::string name = category();
        chance(random, 0.25) && !categoryFolders.count(name) && taken.insert(name).second) {
        outsideFile("linked-" + name + "/kept.txt");
        link(name, (m_outside / ("linked-" + name)).string());
    }
    if (chance(random, 0.3)) {
        file("." + randomFileName(random), mode());
        file("Projects/" + randomFileName(random), mode());
    }
    if (chance(random, 0.3))
        link(unusedName(), topFiles[pick(random, topFiles.size())]);
    if (chance(random, 0.2))
        link(unusedName(), "nowhere");
}
