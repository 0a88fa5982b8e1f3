#pragma once

#include "FaultInjectingFileSystem.h"
#include "FileOrganizerService.h"
#include "FileSystemError.h"
#include "OrganizationPlan.h"
#include "TempDir.h"
#include "UndoService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Op = FaultInjectingFileSystem::Operation;
using Names = std::vector<std::string>;

// Collects the skipped moves a service reports instead of printing them.
class SkipLog
{
public:
    void attachTo(FileOrganizerService &service);
    void clear() { m_entries.clear(); }

    const std::vector<std::pair<std::string, std::string>> &entries() const { return m_entries; }
    std::vector<std::string> names() const;

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

// A folder to organize, one outside it, and a service on a file system that passes
// every call through until a test tells it to fail one.
class EngineTest : public testing::Test
{
protected:
    EngineTest();

    OrganizationPlan plan() const { return m_service.buildPlan(m_dir.path()); }
    std::vector<FileMoveOperation> organize() { return m_service.executePlan(plan()); }
    // A run recorded in the journal, as the app and the CLI make it.
    RunReport organizeRecorded()
    {
        return m_undo.organize(m_service, plan());
    }
    UndoReport undo() { return m_undo.undoLast(m_service, m_dir.path()); }

    TempDir m_dir;
    TempDir m_outside;
    TempDir m_state;
    UndoService m_undo { m_state.path() };
    std::shared_ptr<FaultInjectingFileSystem> m_fileSystem;
    FileOrganizerService m_service;
    SkipLog m_skips;
};

// Writes each named file into `folder` with its own name as content.
void writeFiles(const std::filesystem::path &folder, std::initializer_list<std::string> names);

// The error `action` throws; a test failure when it throws none.
FileSystemError errorFrom(const std::function<void()> &action);

// lstat: true for any entry, a dangling link included.
bool entryExists(const std::filesystem::path &path);
unsigned linkCount(const std::filesystem::path &path);
bool isEmptyFolder(const std::filesystem::path &path);

// The plan's move of the file named `name` (bytes); throws when there is none.
const FileMoveOperation &requireMove(const OrganizationPlan &plan, const std::string &name);
// Destination (relative to the plan's folder, as bytes) and sub-group of that move.
using Target = std::pair<std::string, std::optional<std::string>>;
Target targetOf(const OrganizationPlan &plan, const std::string &name);

std::vector<std::string> idsOf(const std::vector<FileMoveOperation> &operations);

// Entry names directly in `folder` (hidden ones included), sorted by bytes.
std::vector<std::string> namesIn(const std::filesystem::path &folder);
