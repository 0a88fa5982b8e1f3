#pragma once

#include "Scene.h"

#include <random>
#include <string>
#include <vector>

// Fills a scene's folder with a random mix of what real folders hold: files with
// Unicode names and names that are not UTF-8, names without extension or ending in a
// dot, hidden entries, links (to files inside, outside and nowhere), a fifo,
// sub-folders, category folders that already hold the names about to arrive, and
// category names taken by a file or by a link to an outside folder.
void buildRandomFolder(Scene &scene, std::mt19937_64 &random);

// A random file name (bytes) from the same mix, never hidden.
std::string randomFileName(std::mt19937_64 &random);

// Uniform pick from [0, count).
std::size_t pick(std::mt19937_64 &random, std::size_t count);
bool chance(std::mt19937_64 &random, double probability);
