#include "services/errors/EngineError.h"

namespace {

class EngineCategory final : public std::error_category
{
public:
    const char *name() const noexcept override { return "tidyra"; }
    std::string message(int condition) const override
    {
        switch (static_cast<EngineCondition>(condition)) {
        case EngineCondition::changedMeanwhile:
            return "replaced by another item";
        case EngineCondition::folderBusy:
            return "another Tidyra run is at work on this folder";
        case EngineCondition::journalUnusable:
            return "the undo journal cannot be used";
        case EngineCondition::notTheOrganizedFolder:
            return "no longer the folder that was organized";
        case EngineCondition::noSuchRun:
            return "no such run is recorded";
        case EngineCondition::rulesInvalid:
            return "the sorting rules cannot be used";
        }
        return "unknown condition";
    }
};

} // namespace

const std::error_category &engineCategory()
{
    static const EngineCategory category;
    return category;
}

std::error_code make_error_code(EngineCondition condition)
{
    return { static_cast<int>(condition), engineCategory() };
}

EngineError::EngineError(std::error_code code, const ErrorMessage &message)
    : std::system_error(code)
    , m_message(std::make_shared<const ErrorMessage>(message))
    , m_description(message.english())
{ }
