#pragma once

#include <filesystem>
#include <string>

// What the figures were measured on, printed with them.
namespace Machine {

std::string cpuModel();
unsigned cpuCount();
// "tmpfs", "ext4", ... for the file system holding `path`.
std::string fileSystemType(const std::filesystem::path &path);

} // namespace Machine
