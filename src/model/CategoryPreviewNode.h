#pragma once

#include "model/CategoryLabel.h"
#include "model/SubGroupPreviewNode.h"
#include "model/Uuid.h"

#include <string>
#include <vector>

// One category folder of the preview. When subGroups is not empty, directFiles
// holds only the files without extension that land in the category folder itself.
struct CategoryPreviewNode
{
    Uuid id;
    CategoryLabel category = FileCategory::others;
    std::vector<SubGroupPreviewNode> subGroups;
    std::vector<std::string> directFiles;
};
