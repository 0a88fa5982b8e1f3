#pragma once

#include "TempDir.h"

#include <filesystem>
#include <string>

// A temporary place holding the folder to organize and, beside it, an "outside"
// folder that no run may touch. Every file written through it gets content that
// no other file has, so a file can be found again by its content wherever it went.
class Scene
{
public:
    Scene();

    const std::filesystem::path &folder() const { return m_folder; }
    const std::filesystem::path &outside() const { return m_outside; }
    // Where runs are recorded for undo.
    std::filesystem::path state() const { return m_base / "state"; }

    // `relative` is below the folder; parent folders are made as needed.
    void file(const std::string &relative, unsigned mode = 0644);
    void link(const std::string &relative, const std::string &target);
    void outsideFile(const std::string &relative);
    // Content that no file of this scene has had before.
    std::string uniqueContent(const std::string &hint);

    // Every kind of entry and clash the engine meets: sub-groups, names taken in
    // category folders, category names taken by a file or a link to outside, names
    // without extension, ending in a dot, too long to number or not UTF-8, hidden
    // entries, links, a fifo and sub-folders.
    void fillWithClashes();

private:
    TempDir m_base;
    std::filesystem::path m_folder;
    std::filesystem::path m_outside;
    long m_counter = 0;
};
