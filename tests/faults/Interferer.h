#pragma once

#include "Scene.h"

#include <random>
#include <set>
#include <string>

// Another program working in the folder while Tidyra runs: creates, deletes and
// renames files, takes category names with plain files, removes empty folders and
// swaps folders for links to a folder outside. Keeps the contents the folder must
// hold, and a log of what it did, so that a failure can be read and replayed.
class Interferer
{
public:
    // `outsideTarget` must exist before the outside folder is snapshotted.
    Interferer(Scene &scene, std::mt19937_64 &random, std::filesystem::path outsideTarget);

    // One random change; `when` says at which step, for the log.
    void act(const std::string &when);

    std::multiset<std::string> expected;
    std::string log;

private:
    void note(const std::string &what, const std::filesystem::path &path);

    Scene &m_scene;
    std::mt19937_64 &m_random;
    std::filesystem::path m_outsideTarget;
    int m_swaps = 0;
};
