#pragma once

#include "FileOrganizerService.h"
#include "OrganizationPlan.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Collects the skipped moves a service reports instead of printing them.
class SkipLog
{
public:
    void attachTo(FileOrganizerService &service);

    const std::vector<std::pair<std::string, std::string>> &entries() const { return m_entries; }
    std::vector<std::string> names() const;

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

// lstat: true for any entry, a dangling link included.
bool entryExists(const std::filesystem::path &path);
unsigned linkCount(const std::filesystem::path &path);
bool isEmptyFolder(const std::filesystem::path &path);

// The plan's move of the file named `name` (bytes), or null.
const FileMoveOperation *moveOf(const OrganizationPlan &plan, const std::string &name);
const FileMoveOperation &requireMove(const OrganizationPlan &plan, const std::string &name);

// `path` relative to `folder`, as bytes.
std::string relativePath(const std::filesystem::path &folder, const std::filesystem::path &path);

std::vector<std::string> idsOf(const std::vector<FileMoveOperation> &operations);

// Entry names directly in `folder` (hidden ones included), sorted by bytes.
std::vector<std::string> namesIn(const std::filesystem::path &folder);
