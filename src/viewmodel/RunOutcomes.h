#pragma once

#include "FolderPath.h"

#include <QCoreApplication>
#include <QString>

class FolderOrganizerViewModel;
struct OrganizationPlan;
struct RunReport;
struct UndoReport;

// A part of FolderOrganizerViewModel: how the outcome of a run or an undo is told, in
// its status line and activity log, and to those who listen for runs applied. Its
// words are the view model's, and translated as its own.
class RunOutcomes
{
    Q_DECLARE_TR_FUNCTIONS(FolderOrganizerViewModel)

public:
    explicit RunOutcomes(FolderOrganizerViewModel &viewModel)
        : m_viewModel(viewModel)
    { }

    // `error` when nothing moved.
    void execution(const RunReport &report, const QString &error, const FolderPath &folder,
        bool automatic = false);
    void undo(const UndoReport &report, const QString &error, const QString &runId);
    // A plan without moves: the folder is tidy, or the rules left its files alone.
    void nothingToOrganize(const OrganizationPlan &plan);

private:
    FolderOrganizerViewModel &m_viewModel;
};
