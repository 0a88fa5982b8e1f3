#pragma once

#include "model/Uuid.h"

#include <string>
#include <vector>

// A sub-folder of a category folder in the preview, with its sorted file names.
struct SubGroupPreviewNode
{
    Uuid id;
    std::string name;
    std::vector<std::string> files;
};
