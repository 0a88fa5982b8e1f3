#pragma once

#include <QObject>
#include <QSignalSpy>

#include <map>
#include <memory>

// Spies on the change signal of every property an object declares itself, and
// describes what fired as "name" or "name*count", sorted by name.
class SignalRecorder
{
public:
    explicit SignalRecorder(const QObject *object);

    // What fired since the last call, e.g. "canUndo statusMessage"; "" when nothing.
    QString takeChanges();

private:
    std::map<QString, std::unique_ptr<QSignalSpy>> m_spies;
};
