#pragma once

#include "model/RulesDocument.h"
#include "model/SortingRules.h"
#include "services/errors/ErrorMessage.h"
#include "services/rules/RulesPlaces.h"

#include <memory>
#include <string>

// Resolves a rules document against the built-in table, checking everything a file
// can get wrong beyond its syntax.
namespace RulesCheck {

// The rules `document` makes. Throws EngineError (EngineCondition::rulesInvalid) naming
// `source` and, where `places` knows it, the line and column of the first fault.
std::shared_ptr<const SortingRules> resolve(
    const RulesDocument &document, const std::string &source, const RulesPlaces *places);

// `problem` as thrown for a rules file: wrapped with `source` and `place` when known.
[[noreturn]] void fail(
    const ErrorMessage &problem, const std::string &source, RulesPlaces::Place place);

} // namespace RulesCheck
