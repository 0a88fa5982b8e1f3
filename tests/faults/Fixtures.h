#pragma once

#include "Scene.h"

#include <string>
#include <vector>

// Small folders that together hold every kind of entry and clash the engine meets:
// sub-groups, names taken in existing category folders, category names taken by a
// file or a link, names without extension or ending in a dot, names that are not
// UTF-8, hidden entries, links, a fifo and sub-folders.
struct Fixture
{
    std::string name;
    void (*build)(Scene &scene);
};

const std::vector<Fixture> &fixtures();
