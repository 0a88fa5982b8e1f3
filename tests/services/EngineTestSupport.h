#pragma once

#include "FaultInjectingFileSystem.h"
#include "TempDir.h"
#include "services/errors/EngineError.h"
#include "services/journal/JournalStore.h"
#include "services/organizing/OpenFolder.h"
#include "services/organizing/OrganizingService.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace fs = std::filesystem;
using Op = FaultInjectingFileSystem::Operation;
using Names = std::vector<std::string>;
using testing::HasSubstr;

// A folder to organize, one outside it, a journal place, and a service on a file
// system that passes every call through until a test tells it to fail one. Skipped
// moves are collected instead of printed.
class EngineTest : public testing::Test
{
protected:
    EngineTest()
    {
        m_service.setSkipReporter([this](const std::string &name, const ErrorMessage &why) {
            m_skips.emplace_back(name, why.english());
        });
    }

    OrganizationPlan plan() const { return m_service.buildPlan(m_dir.path()); }
    // A run recorded in the journal, as the app and the CLI make it.
    RunReport organizeRecorded() { return m_service.organize(plan()); }
    UndoReport undo() { return m_service.undoLast(m_dir.path()); }
    // The moves of a recorded run of `plan` that happened.
    std::vector<FileMoveOperation> execute(const OrganizationPlan &plan)
    {
        std::vector<FileMoveOperation> executed;
        m_service.organize(plan, {}, &executed);
        return executed;
    }
    // The run file of `runId`; without one, the folder's first.
    fs::path runFile(const std::string &runId = {}) const
    {
        const JournalStore store(m_state.path());
        return (runId.empty()
                ? store.runsOf(OpenFolder::open(m_service.fileSystem(), m_dir.path()).identity)
                : store.runsWithId(runId))
            .at(0);
    }
    // The run file of `runId` cut before the last `marker`, as a kill leaves it.
    void cutRunFile(const std::string &runId, const std::string &marker)
    {
        const std::string text = readFile(runFile(runId));
        writeFile(runFile(runId), text.substr(0, text.rfind(marker)));
    }
    Names skippedNames() const
    {
        Names names;
        for (const auto &skip : m_skips)
            names.push_back(skip.first);
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir m_dir;
    TempDir m_outside;
    TempDir m_state;
    std::shared_ptr<FaultInjectingFileSystem> m_fileSystem
        = std::make_shared<FaultInjectingFileSystem>();
    OrganizingService m_service { m_state.path(), m_fileSystem };
    std::vector<std::pair<std::string, std::string>> m_skips;
};

// Writes each named file into `folder` with its own name as content.
inline void writeFiles(const fs::path &folder, std::initializer_list<std::string> names)
{
    for (const std::string &name : names)
        writeFile(folder / name, name);
}

// The error `action` throws; a test failure when it throws none.
template <typename Action> EngineError errorFrom(Action action)
{
    try {
        action();
    } catch (const EngineError &error) {
        return error;
    }
    ADD_FAILURE() << "no EngineError thrown";
    return EngineError(0, {});
}

// Runs `action`, which a kill or an injected failure may stop.
template <typename Action> void stoppable(Action action)
{
    try {
        action();
    } catch (const std::runtime_error &) { }
}

// Entry names directly in `folder` (hidden ones included), sorted by bytes.
inline Names namesIn(const fs::path &folder)
{
    Names names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Destination of the plan's move of the file named `name` (bytes), relative to the
// plan's folder; throws when there is none.
inline std::string targetOf(const OrganizationPlan &plan, const std::string &name)
{
    for (const FileMoveOperation &operation : plan.operations())
        if (operation.sourceURL.filename() == name)
            return operation.destinationURL.lexically_relative(plan.folderURL).string();
    throw std::runtime_error("no move planned for " + name);
}
