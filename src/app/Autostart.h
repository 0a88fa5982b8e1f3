#pragma once

#include <QCoreApplication>
#include <QString>

// "Start at login": a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart) that starts this program
// in the tray when the session starts.
class Autostart
{
    Q_DECLARE_TR_FUNCTIONS(Autostart)

public:
    // The entry's file name, after the application's id.
    static const QString fileName;

    // In the user's autostart folder, or in `folder` when one is given.
    explicit Autostart(const QString &folder = {});

    QString filePath() const;
    bool isEnabled() const;
    // Writes or removes the entry; on failure, a description of what went wrong.
    QString setEnabled(bool enabled) const;

    // The entry's text for a program at `program` (quoted as desktop entries want).
    static QString entryText(const QString &program);

private:
    QString m_folder;
};
