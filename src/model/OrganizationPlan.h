#pragma once

#include "FileMoveOperation.h"

#include <filesystem>
#include <vector>

// The moves planned for one folder, in the order the scan produced them.
struct OrganizationPlan
{
    std::filesystem::path folderURL;
    std::vector<FileMoveOperation> operations;
};
