#pragma once

#include "Clock.h"

#include <QString>
#include <QStringList>

#include <memory>

// The activity log's lines, newest first, each stamped with the time of day, and beside
// each the id of the recorded run it tells of (empty for lines of no run).
class ActivityLog
{
public:
    static constexpr int maxEntries = 50;

    explicit ActivityLog(std::unique_ptr<Clock> clock);

    const QStringList &lines() const { return m_lines; }
    QString runId(int row) const { return m_runIds.value(row); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Puts `message` on top, stamped now; the oldest line beyond maxEntries goes.
    void add(const QString &message, const QString &runId = {});
    // A run taken back whole is not offered again; its line stays.
    void forgetRun(const QString &runId);
    void clear();

private:
    std::unique_ptr<Clock> m_clock;
    QStringList m_lines;
    QStringList m_runIds; // beside m_lines, line for line
};
