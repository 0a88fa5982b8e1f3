#include "RandomFolder.h"

#include "FileCategory.h"
#include "FileName.h"
#include "Text.h"

#include <array>
#include <set>

namespace {

constexpr std::array<const char *, 16> baseNames
    = { "photo", "report", "song", "clip", "notes", "README", "IMG_0001",
          "stra\xc3\x9f"
          "e",
          "\xe6\x97\xa5\xe6\x9c\xac", // Japanese
          "caf\xc3\xa9", // composed e-acute
          "cafe\xcc\x81", // decomposed e-acute
          "emoji\xf0\x9f\x98\x80", "Latin1-caf\xe9", // not UTF-8
          "bad\xff\xfe", "photo (1)", "a b" };

constexpr std::array<const char *, 22> extensionsPool
    = { "jpg", "JPG", "png", "gif", "pdf", "txt", "docx", "mp3", "mp4", "cpp", "py", "zip",
          "tar.gz", "dmg", "psd", "ttf", "obj", "qqq", "", "", ".", "Jpg" };

constexpr std::array<unsigned, 4> modes = { 0644, 0600, 0755, 0444 };

std::string categoryFolderFor(const std::string &name)
{
    return std::string(rawValue(categoryForExtension(FileName::extension(name))));
}

std::string randomCategoryName(std::mt19937_64 &random)
{
    return std::string(rawValue(allCases[pick(random, allCases.size())]));
}

} // namespace

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
    std::string name = baseNames[pick(random, baseNames.size())];
    if (chance(random, 0.5))
        name += std::to_string(pick(random, 20));
    const std::string extension = extensionsPool[pick(random, extensionsPool.size())];
    if (extension == ".")
        name += '.'; // ends in a dot
    else if (!extension.empty())
        name += '.' + extension;
    return name;
}

void buildRandomFolder(Scene &scene, std::mt19937_64 &random)
{
    std::set<std::string> taken;
    const auto unusedName = [&] {
        for (;;) {
            std::string name = randomFileName(random);
            if (taken.insert(name).second)
                return name;
        }
    };
    const auto mode = [&] { return modes[pick(random, modes.size())]; };

    std::vector<std::string> topFiles;
    const std::size_t fileCount = 1 + pick(random, 20);
    for (std::size_t i = 0; i < fileCount; ++i) {
        topFiles.push_back(unusedName());
        scene.file(topFiles.back(), mode());
    }

    // Names already taken where some of the files are about to go, with and without
    // a sub-group folder, and sometimes their first numbered name too.
    std::set<std::string> categoryFolders;
    for (const std::string &name : topFiles) {
        if (!chance(random, 0.25))
            continue;
        const std::string category = categoryFolderFor(name);
        categoryFolders.insert(category);
        const std::string group = Text::toUpperCase(FileName::extension(name));
        scene.file(category + '/' + name, mode());
        if (!group.empty())
            scene.file(category + '/' + group + '/' + name, mode());
        if (chance(random, 0.3))
            scene.file(category + '/' + FileName::numbered(name, 1), mode());
    }

    if (chance(random, 0.2)) {
        const std::string category = randomCategoryName(random);
        if (categoryFolders.insert(category).second)
            scene.folderAt(category); // empty before the run
    }
    if (chance(random, 0.2)) {
        const std::string category = randomCategoryName(random);
        if (!categoryFolders.count(category) && taken.insert(category).second)
            scene.file(category, mode()); // a file where a category folder would go
    }
    if (chance(random, 0.25)) {
        const std::string category = randomCategoryName(random);
        if (!categoryFolders.count(category) && taken.insert(category).second) {
            scene.outsideFolder("linked-" + category);
            scene.outsideFile("linked-" + category + "/kept.txt");
            scene.link(category, (scene.outside() / ("linked-" + category)).string());
        }
    }
    if (chance(random, 0.3)) {
        scene.file("." + randomFileName(random), mode());
        scene.file(".hidden-folder/" + randomFileName(random), mode());
    }
    if (chance(random, 0.3)) {
        scene.file("Projects/" + randomFileName(random), mode());
        scene.folderAt("Projects/empty");
    }
    if (chance(random, 0.3)) {
        const std::string name = unusedName();
        scene.link(name, topFiles[pick(random, topFiles.size())]);
    }
    if (chance(random, 0.2))
        scene.link(unusedName(), "nowhere");
    if (chance(random, 0.2)) {
        scene.outsideFile("target.txt");
        scene.link(unusedName(), (scene.outside() / "target.txt").string());
    }
    if (chance(random, 0.1))
        scene.fifo(unusedName());
}
