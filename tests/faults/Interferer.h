#pragma once

#include "Scene.h"

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

// Another program working in the folder while Tidyra runs: creates, deletes and
// renames files, takes category names with plain files, and swaps folders for links
// to a folder outside. Keeps the contents the folder must hold, and a log of what it
// did so that a failure can be replayed by reading it.
class Interferer
{
public:
    // `outsideTarget` must exist before the outside folder is snapshotted.
    Interferer(Scene &scene, std::mt19937_64 &random, std::filesystem::path outsideTarget);

    // The regular-file contents the folder holds now.
    void expect(std::multiset<std::string> contents) { m_expected = std::move(contents); }
    const std::multiset<std::string> &expected() const { return m_expected; }

    // One random change; `when` says at which step, for the log.
    void act(const std::string &when);

    const std::vector<std::string> &log() const { return m_log; }
    std::string logText() const;

private:
    void createFile();
    void deleteFile();
    void renameFile();
    void swapFolderForLink();
    void takeCategoryName();
    void removeEmptyFolder();

    std::vector<std::filesystem::path> regularFiles() const;
    std::vector<std::filesystem::path> realFolders() const;
    std::string nameInFolder();

    Scene &m_scene;
    std::mt19937_64 &m_random;
    std::filesystem::path m_outsideTarget;
    std::multiset<std::string> m_expected;
    std::vector<std::string> m_log;
    int m_swaps = 0;
};
