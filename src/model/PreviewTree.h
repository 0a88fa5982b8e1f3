#pragma once

#include "CategoryPreviewNode.h"
#include "MoveList.h"
#include "OrganizationPlan.h"

#include <vector>

// The tree of category folders, sub-groups and present file names that applying
// `plan` would produce, sorted for display. Pure; reads no file system.
std::vector<CategoryPreviewNode> buildPreviewTree(const OrganizationPlan &plan);
// The same tree from the compact form of a plan.
std::vector<CategoryPreviewNode> buildPreviewTree(const MoveList &plan);

