#include "RunMessages.h"

#include "Translations.h"

#include <QStringList>

// Counts are written with %n, so even English needs its plural forms ("1 file", "2
// files"); they are in place before anything is translated.
static void installPluralForms()
{
    Translations::installPluralForms();
}
Q_COREAPP_STARTUP_FUNCTION(installPluralForms)

QString RunMessages::organizedStatus(int count, int skipped)
{
    if (skipped == 0)
        return tr("%n file(s) organized.", nullptr, count);
    return tr("%n file(s) organized, %1.", nullptr, count).arg(tr("%n skipped", nullptr, skipped));
}

QString RunMessages::organizedLogLine(
    int count, int skipped, bool cancelled, const QString &folderName, bool automatic)
{
    QString line = automatic
        ? tr("Organized %n file(s) in %1 automatically", nullptr, count).arg(folderName)
        : tr("Organized %n file(s) in %1", nullptr, count).arg(folderName);
    if (skipped != 0) {
        //: A log line, then how many files of that run were skipped
        line = tr("%1, %2").arg(line, tr("%n skipped", nullptr, skipped));
    }
    if (cancelled) {
        //: A log line of a run that the user stopped before its end
        line = tr("%1, cancelled").arg(line);
    }
    return line;
}

QString RunMessages::cancelledStatus(int organized)
{
    return tr("Cancelled — %n file(s) organized before the cancel.", nullptr, organized);
}

QString RunMessages::runStatus(
    int count, int skipped, bool cancelled, bool automatic, const QString &logLine)
{
    if (cancelled)
        return cancelledStatus(count);
    if (automatic) // asked for by no one, so it says where and how it came
        return logLine;
    return organizedStatus(count, skipped);
}

QString RunMessages::undoStatus(int restored, bool cancelled, int notRestored)
{
    if (cancelled)
        return tr("Undo cancelled — %n file(s) restored before the cancel.", nullptr, restored);
    if (notRestored == 0)
        return tr("Undo complete — %n file(s) restored.", nullptr, restored);
    return tr("Undo incomplete — %n file(s) restored, %1 could not be restored.", nullptr, restored)
        .arg(tr("%n file(s)", nullptr, notRestored));
}

QString RunMessages::undoAftermath(int alreadyBack, int foldersNotRemoved)
{
    QStringList parts;
    if (alreadyBack > 0)
        parts << tr("%n file(s) were back already.", nullptr, alreadyBack);
    if (foldersNotRemoved > 0)
        parts << tr("%n empty folder(s) could not be removed; the next undo tries again.", nullptr,
            foldersNotRemoved);
    return parts.join(QLatin1Char(' '));
}

QString RunMessages::undoNotRecorded(const QString &why)
{
    return tr("The undo could not be recorded: %1. The files restored are back all the same.")
        .arg(why);
}

QString RunMessages::nothingToUndo()
{
    return tr("Nothing to undo — that run was undone already.");
}

QString RunMessages::scanningProgress()
{
    return tr("Scanning…");
}

QString RunMessages::organizingProgress(std::size_t done, std::size_t total)
{
    return total == 0
        ? tr("Organizing…")
        : tr("Organizing… %1 of %2").arg(QString::number(done), QString::number(total));
}

QString RunMessages::undoingProgress(std::size_t done, std::size_t total)
{
    return total == 0 ? tr("Undoing…")
                      : tr("Undoing… %1 of %2").arg(QString::number(done), QString::number(total));
}

QString RunMessages::stoppingProgress()
{
    return tr("Stopping…");
}
