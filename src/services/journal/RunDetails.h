#pragma once

#include "services/errors/ErrorMessage.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// What a folder's last run left in place, or its last undo could not restore.
struct RunDetails
{
    enum class Kind : std::uint8_t { run, undo };
    Kind kind = Kind::run;
    std::filesystem::path folder;
    // name (bytes, as on disk) and reason, sorted by name (byte order)
    std::vector<std::pair<std::string, ErrorMessage>> entries;
};
