#pragma once

#include "model/RulesDocument.h"

#include <QString>
#include <QUrl>

#include <functional>

class RunController;

// The user's rules file as the Rules window reads and writes it: through RulesFile on
// the RunController's worker, which every scan and run reads the rules with, so a file
// saved here is what the next run uses. Failures come back in the user's language.
class RulesStore
{
public:
    struct Read
    {
        RulesDocument document;
        QString error; // the file cannot be read, or says something wrong
    };
    struct SetAside
    {
        QString path; // where the file went
        QString error;
    };

    explicit RulesStore(RunController &runs)
        : m_runs(runs)
    { }

    QString path() const;
    QUrl url() const { return QUrl::fromLocalFile(path()); }
    // What the file says; an empty document when there is none.
    void read(std::function<void(Read)> done);
    // Writes `document`, whole or not at all; `done` gets the failure, empty when written.
    void save(RulesDocument document, std::function<void(const QString &)> done);
    // Renames the file to a free name beside it, so the built-in rules are in force.
    void setAside(std::function<void(SetAside)> done);

private:
    RunController &m_runs;
};
