#pragma once

#include "services/errors/ErrorMessage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The table of failure kinds: each one's English template and the stable key the run
// details store it by. A template numbers its placeholders in the order of the
// message's arguments, then the nested message, then the errno's reason.
namespace ErrorKinds {

// The English template of `kind` ("cannot open folder \"%1\": %2").
std::string_view english(ErrorKind kind);
// The key of `kind` ("cannotOpenFolder"): never changes, as details files keep it.
std::string_view key(ErrorKind kind);
// The kind of a key, or nothing for a key of no kind (none's included).
std::optional<ErrorKind> fromKey(std::string_view key);
// `pattern` with each %1 to %9 replaced by that value, in one pass: a value that holds
// "%2" stays as it is. A placeholder without a value is dropped.
std::string substitute(std::string_view pattern, const std::vector<std::string> &values);

} // namespace ErrorKinds
