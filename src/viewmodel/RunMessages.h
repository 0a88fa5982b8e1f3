#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstddef>

// The texts a run or an undo leaves in the status line, the activity log and the
// progress line. They are the view model's words, and translated as its own.
class RunMessages
{
    Q_DECLARE_TR_FUNCTIONS(FolderOrganizerViewModel)

public:
    static QString organizedStatus(int count, int skipped);
    // `automatic`: the run was asked for by no one, so the line says how it came.
    static QString organizedLogLine(
        int count, int skipped, bool cancelled, const QString &folderName, bool automatic);
    static QString cancelledStatus(int organized);
    // The status line after a run that was not stopped by a failure; `logLine` is its
    // line in the log.
    static QString runStatus(
        int count, int skipped, bool cancelled, bool automatic, const QString &logLine);
    static QString undoStatus(int restored, bool cancelled, int notRestored);
    // What else an undo found: files an earlier undo had put back without being able to
    // say so, and empty folders it could not remove. Empty when neither.
    static QString undoAftermath(int alreadyBack, int foldersNotRemoved);
    // The undo moved files back but its journal could not say so (a full disk).
    static QString undoNotRecorded(const QString &why);
    // An undo of a run that was taken back before (the engine finds nothing to undo).
    static QString nothingToUndo();
    static QString scanningProgress();
    // `total` 0: not known yet.
    static QString organizingProgress(std::size_t done, std::size_t total);
    static QString undoingProgress(std::size_t done, std::size_t total);
    static QString stoppingProgress();
};
