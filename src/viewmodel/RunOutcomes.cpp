#include "RunOutcomes.h"

#include "ActivityLog.h"
#include "ErrorTexts.h"
#include "FolderOrganizerViewModel.h"
#include "RunMessages.h"
#include "model/OrganizationPlan.h"
#include "services/organizing/RunReports.h"

void RunOutcomes::execution(
    const RunReport &report, const QString &error, const FolderPath &folder, bool automatic)
{
    if (!error.isEmpty()) {
        // Nothing moved; the earlier run stays the one to undo.
        m_viewModel.setErrorMessage(tr("Error: %1").arg(error));
        return;
    }
    const int count = int(report.moved);
    const int skipped = int(report.skipped);
    const QString line = RunMessages::organizedLogLine(
        count, skipped, report.cancelled, folder.displayName(), automatic);
    if (!report.stoppedBy.empty())
        m_viewModel.setErrorMessage(tr("Error: %1").arg(ErrorTexts::translate(report.stoppedBy)));
    else
        m_viewModel.setStatusMessage(
            RunMessages::runStatus(count, skipped, report.cancelled, automatic, line), skipped > 0);
    m_viewModel.appendLog(line, QString::fromStdString(report.runId));
    if (automatic)
        emit m_viewModel.tidiedAutomatically();
    else if (!report.cancelled)
        emit m_viewModel.planApplied(count, skipped);
}

void RunOutcomes::undo(const UndoReport &report, const QString &error, const QString &runId)
{
    if (!error.isEmpty()) {
        // The journal keeps what was not moved back, for a later try.
        m_viewModel.setErrorMessage(tr("Undo failed: %1").arg(error));
        return;
    }
    if (report.nothingToUndo)
        return;
    QString message = RunMessages::undoStatus(
        int(report.restored), report.cancelled, int(report.notRestored.size()));
    const QString aftermath
        = RunMessages::undoAftermath(int(report.alreadyBack), int(report.foldersNotRemoved.size()));
    if (!aftermath.isEmpty())
        message += QLatin1Char(' ') + aftermath;
    m_viewModel.setStatusMessage(
        message, !report.notRestored.empty() || !report.foldersNotRemoved.empty());
    if (!runId.isEmpty() && !report.cancelled && report.notRestored.empty())
        m_viewModel.m_log->forgetRun(runId);
    m_viewModel.appendLog(message);
    if (!report.recordNotUpdated.empty())
        m_viewModel.appendLog(
            RunMessages::undoNotRecorded(ErrorTexts::translate(report.recordNotUpdated)));
}

void RunOutcomes::nothingToOrganize(const OrganizationPlan &plan)
{
    if (plan.leftAlone == 0)
        m_viewModel.setStatusMessage(tr("Nothing to organize — folder is already tidy."));
    else
        m_viewModel.setStatusMessage(
            tr("Nothing to organize — %n file(s) left alone by your rules.", nullptr,
                int(plan.leftAlone)));
}
