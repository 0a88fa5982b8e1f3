#include "services/errors/ErrorMessage.h"

#include "model/Text.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/errors/ErrorKinds.h"

#include <tuple>

std::string ErrorMessage::english() const
{
    // In the template's order: the arguments, the nested message, the reason.
    std::vector<std::string> values;
    for (const std::string &argument : arguments)
        values.push_back(Text::displayText(argument));
    for (const ErrorMessage &inner : nested)
        values.push_back(inner.english());
    if (error != 0)
        values.push_back(ErrorDescriptions::reason(error));
    return ErrorKinds::substitute(ErrorKinds::english(kind), values);
}

bool ErrorMessage::operator==(const ErrorMessage &other) const
{
    return std::tie(kind, arguments, error, nested)
        == std::tie(other.kind, other.arguments, other.error, other.nested);
}

bool ErrorMessage::operator<(const ErrorMessage &other) const
{
    return std::tie(kind, arguments, error, nested)
        < std::tie(other.kind, other.arguments, other.error, other.nested);
}
