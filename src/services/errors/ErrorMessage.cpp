#include "services/errors/ErrorMessage.h"

#include "model/Text.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/errors/ErrorKinds.h"

#include <algorithm>
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
    return (*this <=> other) == 0;
}

std::strong_ordering ErrorMessage::operator<=>(const ErrorMessage &other) const
{
    if (const auto order
        = std::tie(kind, arguments, error) <=> std::tie(other.kind, other.arguments, other.error);
        order != 0)
        return order;
    return std::lexicographical_compare_three_way(
        nested.begin(), nested.end(), other.nested.begin(), other.nested.end());
}
