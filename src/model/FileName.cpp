#include "model/FileName.h"

namespace FileName {

std::string_view extension(std::string_view name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    return name.substr(dot + 1);
}

std::string_view baseName(std::string_view name)
{
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == name.size())
        return name;
    return name.substr(0, dot);
}

std::string numbered(std::string_view name, std::uint64_t number)
{
    std::string result(baseName(name));
    result += " (";
    result += std::to_string(number);
    result += ')';
    const std::string_view ext = extension(name);
    if (!ext.empty()) {
        result += '.';
        result += ext;
    }
    return result;
}

} // namespace FileName
