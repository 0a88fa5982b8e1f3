#include "RulesStore.h"

#include "ErrorTexts.h"
#include "RunController.h"
#include "services/rules/RulesFile.h"

#include <utility>

QString RulesStore::path() const
{
    return QString::fromStdString(m_runs.rulesPath().string());
}

void RulesStore::read(std::function<void(Read)> done)
{
    m_runs.withRulesFile<Read>(
        [](RulesFile &file) {
            Read read;
            try {
                read.document = file.readDocument();
            } catch (const std::exception &error) {
                read.error = ErrorTexts::translate(error);
            }
            return read;
        },
        std::move(done));
}

void RulesStore::save(RulesDocument document, std::function<void(const QString &)> done)
{
    m_runs.withRulesFile<QString>(
        [document = std::move(document)](RulesFile &file) {
            try {
                file.save(document);
                return QString();
            } catch (const std::exception &error) {
                return ErrorTexts::translate(error);
            }
        },
        std::move(done));
}

void RulesStore::setAside(std::function<void(SetAside)> done)
{
    m_runs.withRulesFile<SetAside>(
        [](RulesFile &file) {
            SetAside outcome;
            try {
                outcome.path = QString::fromStdString(file.setAside().string());
            } catch (const std::exception &error) {
                outcome.error = ErrorTexts::translate(error);
            }
            return outcome;
        },
        std::move(done));
}
