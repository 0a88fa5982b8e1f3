#pragma once

#include <QCoreApplication>
#include <QString>

class SortingRules;

// The Rules window's answer to "where would this file go?", in the user's language.
class RulesAnswer
{
    Q_DECLARE_TR_FUNCTIONS(RulesEditor)

public:
    // For a file named `name` that has not changed for long; empty for no name.
    static QString whereItGoes(const SortingRules &rules, const QString &name);
};
