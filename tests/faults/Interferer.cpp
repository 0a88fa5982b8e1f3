#include "Interferer.h"

#include "model/FileCategory.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The other program never overwrites either, so that every change stays countable.
bool renameNoReplace(const fs::path &from, const fs::path &to)
{
    return ::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE)
        == 0;
}

} // namespace

Interferer::Interferer(Scene &scene, std::mt19937_64 &random, fs::path outsideTarget)
    : m_scene(scene)
    , m_random(random)
    , m_outsideTarget(std::move(outsideTarget))
{ }

void Interferer::note(const std::string &what, const fs::path &path)
{
    log += "  " + what + ' ' + path.lexically_relative(m_scene.folder()).string() + '\n';
}

void Interferer::act(const std::string &when)
{
    log += when + ":\n";
    std::vector<fs::path> files;
    std::vector<fs::path> folders;
    for (const auto &entry : fs::recursive_directory_iterator(m_scene.folder())) {
        if (entry.is_symlink())
            continue;
        if (entry.is_regular_file())
            files.push_back(entry.path());
        else if (entry.is_directory())
            folders.push_back(entry.path());
    }
    const fs::path folder = folders.empty() ? fs::path() : folders[pick(m_random, folders.size())];
    const fs::path file = files.empty() ? fs::path() : files[pick(m_random, files.size())];
    // Often a name that is about to be used, so that the change gets in the engine's way.
    const std::string name = !files.empty() && chance(m_random, 0.6)
        ? files[pick(m_random, files.size())].filename().native()
        : randomFileName(m_random);
    const std::string category(rawValue(allCases[pick(m_random, allCases.size())]));
    const fs::path place
        = chance(m_random, 0.5) || folder.empty() ? m_scene.folder() / name : folder / name;
    std::error_code error;
    switch (pick(m_random, 6)) {
    case 0: // a new file, or a file where a category folder would go
    case 1: {
        const fs::path path = pick(m_random, 2) ? place : m_scene.folder() / category;
        if (fs::exists(fs::symlink_status(path, error)))
            return;
        const std::string content = m_scene.uniqueContent("created by another program");
        writeFile(path, content);
        expected.insert(content);
        return note("created", path);
    }
    case 2: {
        if (file.empty())
            return;
        const std::string content = readFile(file);
        if (::unlink(file.c_str()) == 0) {
            expected.erase(expected.find(content));
            note("deleted", file);
        }
        return;
    }
    case 3:
        if (!file.empty() && renameNoReplace(file, place))
            note("renamed " + file.lexically_relative(m_scene.folder()).string() + " to", place);
        return;
    case 4: {
        // Moved aside within the folder, so that what it holds stays inside.
        const fs::path aside = m_scene.folder() / (".swapped-" + std::to_string(++m_swaps));
        if (folder.empty() || !renameNoReplace(folder, aside))
            return;
        fs::create_symlink(m_outsideTarget, folder);
        return note("swapped for a link to outside:", folder);
    }
    default:
        if (!folder.empty() && ::rmdir(folder.c_str()) == 0)
            note("removed the empty folder", folder);
    }
}
