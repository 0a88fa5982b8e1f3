#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// The files every benchmark folder holds: `count` empty files with a fixed mix of
// extensions, so that several categories get sub-groups and some files have none.
namespace FileSet {

std::string name(std::size_t index);
// Creates `folder` and fills it; throws when that fails.
void create(const std::filesystem::path &folder, std::size_t count);
// Removes a folder with everything below it.
void remove(const std::filesystem::path &folder);

} // namespace FileSet
