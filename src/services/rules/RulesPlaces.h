#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

// Where in a rules file each value was written, so that a check after the parse can
// name its line and column. Keyed by what the value is: "category.NAME",
// "category.NAME.folder", "category.NAME.add.K" (K from 0), "leave-alone.names.K",
// "leave-alone.newer-than".
struct RulesPlaces
{
    struct Place
    {
        std::uint32_t line = 0; // from 1; 0 when unknown
        std::uint32_t column = 0;
    };

    std::map<std::string, Place> places;

    // The place of `key`, or {} when none was kept.
    Place at(const std::string &key) const
    {
        const auto found = places.find(key);
        return found == places.end() ? Place {} : found->second;
    }
};
