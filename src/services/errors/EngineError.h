#pragma once

#include "services/errors/ErrorMessage.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>

// Tidyra's own failure conditions, beside the system's errno values.
enum class EngineCondition {
    changedMeanwhile = 1, // the file is no longer the one planned: another program replaced it
    folderBusy, // another run or undo holds the folder
    journalUnusable, // the undo journal cannot be kept or trusted, for no errno of its own
    notTheOrganizedFolder, // the recorded path now names another folder
    noSuchRun, // no recorded run has the id asked for
    rulesInvalid, // the sorting rules cannot be read or make no sense
};

// The category of EngineCondition values, named "tidyra".
const std::error_category &engineCategory();
std::error_code make_error_code(EngineCondition condition);
// An errno value as an error code.
inline std::error_code systemError(int error)
{
    return { error, std::generic_category() };
}

template <> struct std::is_error_code_enum<EngineCondition> : std::true_type
{
};

// Every failure the engine throws: the condition behind it (an errno in the generic
// category, or one of Tidyra's own) and the message naming the item and the reason,
// formatted where it is shown. what() gives the message in English, for logs and
// tidyra-cli.
class EngineError : public std::system_error
{
public:
    EngineError(std::error_code code, const ErrorMessage &message);
    // `error` is an errno value.
    EngineError(int error, const ErrorMessage &message)
        : EngineError(std::error_code(error, std::generic_category()), message)
    { }

    const char *what() const noexcept override { return m_description.what(); }
    std::string description() const { return m_description.what(); }
    const ErrorMessage &message() const { return *m_message; }

private:
    // Both copied without throwing, as an exception must be.
    std::shared_ptr<const ErrorMessage> m_message;
    std::runtime_error m_description;
};
