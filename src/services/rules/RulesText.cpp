#include "services/rules/RulesText.h"

namespace RulesText {

RulesDocument parse(std::string_view, const std::string &, RulesPlaces *)
{
    return {};
}

std::string write(const RulesDocument &)
{
    return {};
}

} // namespace RulesText
