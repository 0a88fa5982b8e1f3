#include "Invariants.h"

#include "model/FileCategory.h"
#include "model/Text.h"

#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string shown(const fs::path &path)
{
    return Text::displayText(path.native());
}

// Whether `path` is a regular file holding the content `before` had at the move's source.
bool holds(const fs::path &path, const TreeSnapshot &before, const FileMoveOperation &operation)
{
    const auto found = before.find(operation.sourceURL.filename().native());
    return found != before.end() && fs::is_regular_file(fs::symlink_status(path))
        && readFile(path) == found->second.content;
}

bool isEmptyFolderIn(const TreeSnapshot &tree, const std::string &folder)
{
    const std::string prefix = folder + '/';
    for (auto it = tree.lower_bound(prefix); it != tree.end() && it->first.starts_with(prefix);
         ++it)
        if (it->second.kind != 'd')
            return false;
    return true;
}

std::multiset<std::string> fileContents(const TreeSnapshot &tree)
{
    std::multiset<std::string> contents;
    for (const auto &[path, entry] : tree)
        if (entry.kind == 'f')
            contents.insert(entry.content);
    return contents;
}

std::string contentsAre(const std::multiset<std::string> &expected, const TreeSnapshot &after)
{
    std::string problems;
    const std::multiset<std::string> actual = fileContents(after);
    for (const std::string &content : std::set<std::string>(expected.begin(), expected.end()))
        if (actual.count(content) != expected.count(content))
            problems += "a file held " + std::to_string(actual.count(content)) + " times: \""
                + shown(content) + "\"\n";
    for (const std::string &content : actual)
        if (!expected.count(content))
            problems += "unexpected file: \"" + shown(content) + "\"\n";
    return problems;
}

} // namespace

namespace Invariants {

std::string eachFileOnce(const TreeSnapshot &before, const TreeSnapshot &after)
{
    std::string problems = contentsAre(fileContents(before), after);
    std::map<std::string, const EntrySnapshot *> byContent;
    for (const auto &[path, entry] : after)
        if (entry.kind == 'f')
            byContent[entry.content] = &entry;
    for (const auto &[path, entry] : before) {
        const auto found = entry.kind == 'f' ? byContent.find(entry.content) : byContent.end();
        if (found != byContent.end()
            && (found->second->mode != entry.mode || found->second->mtimeNs != entry.mtimeNs))
            problems += "mode or time changed: " + shown(path) + '\n';
    }
    return problems;
}

std::string executedIsExact(const OrganizationPlan &plan,
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before)
{
    std::string problems;
    std::size_t next = 0;
    for (const FileMoveOperation &operation : plan.operations()) {
        const std::string name = shown(operation.sourceURL.filename());
        if (next < executed.size() && executed[next].id == operation.id) {
            const FileMoveOperation &done = executed[next++];
            if (done.sourceURL != operation.sourceURL
                || done.destinationURL != operation.destinationURL)
                problems += "executed move differs from the plan: " + name + '\n';
            if (fs::exists(fs::symlink_status(operation.sourceURL))
                || !holds(operation.destinationURL, before, operation))
                problems += "reported moved but not moved: " + name + '\n';
        } else if (!holds(operation.sourceURL, before, operation)) {
            problems += "not reported moved but gone from its source: " + name + '\n';
        }
    }
    if (next != executed.size())
        problems += "executed list holds moves that are not the plan's, in plan order\n";
    return problems;
}

std::string eachMoveDoneOrUndone(
    const std::vector<FileMoveOperation> &executed, const TreeSnapshot &before)
{
    std::string problems;
    for (const FileMoveOperation &operation : executed) {
        const bool atSource = holds(operation.sourceURL, before, operation);
        const bool atDestination = holds(operation.destinationURL, before, operation);
        if (atSource == atDestination
            || fs::exists(
                fs::symlink_status(atSource ? operation.destinationURL : operation.sourceURL)))
            problems += "neither done nor undone: " + shown(operation.sourceURL.filename()) + '\n';
    }
    return problems;
}

std::string sameTreeUpToEmptyFolders(const TreeSnapshot &before, const TreeSnapshot &after)
{
    std::string problems;
    for (const auto &[path, entry] : before) {
        const auto found = after.find(path);
        const bool removable = entry.kind == 'd' && path.find('/') == std::string::npos
            && categoryFromRawValue(path) && isEmptyFolderIn(before, path);
        if ((found == after.end() && !removable)
            || (found != after.end() && found->second != entry))
            problems += (found == after.end() ? "missing: " : "changed: ") + shown(path) + '\n';
    }
    for (const auto &[path, entry] : after)
        if (!before.count(path) && !(entry.kind == 'd' && isEmptyFolderIn(after, path)))
            problems += "added: " + shown(path) + '\n';
    return problems;
}

} // namespace Invariants
