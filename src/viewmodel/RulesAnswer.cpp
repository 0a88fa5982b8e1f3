#include "RulesAnswer.h"

#include "model/FileName.h"
#include "model/SortingRules.h"
#include "model/Text.h"

#include <QDateTime>

QString RulesAnswer::whereItGoes(const SortingRules &rules, const QString &name)
{
    const std::string bytes = name.toStdString();
    if (bytes.empty())
        return {};
    // As a run plans: hidden files first, then the rules' names; the file's age is not
    // asked here, so it counts as old.
    if (bytes.front() == '.')
        return tr("Stays: hidden files are never moved.");
    if (rules.leavesAlone(bytes, 0, QDateTime::currentSecsSinceEpoch()))
        return tr("Stays: your rules leave it alone.");
    const SortingRules::Category &category = rules.categories()[rules.categoryForName(bytes)];
    const QString folder = QString::fromStdString(category.label.folder);
    const std::string_view extension = FileName::extension(bytes);
    // A run makes sub-folders only where files of more than one kind go.
    if (!category.subfolders || extension.empty())
        return tr("Into “%1”.").arg(folder);
    return tr("Into “%1”; into “%1/%2” when files of other kinds go there too.")
        .arg(folder, QString::fromStdString(Text::toUpperCase(extension)));
}
