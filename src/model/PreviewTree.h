#pragma once

#include "model/CategoryPreviewNode.h"
#include "model/OrganizationPlan.h"

#include <vector>

// The tree of category folders, sub-groups and present file names that applying
// `plan` would produce, sorted for display. Pure; reads no file system.
std::vector<CategoryPreviewNode> buildPreviewTree(const OrganizationPlan &plan);
