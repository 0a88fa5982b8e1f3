#pragma once

#include "model/FileCategory.h"

#include <string>

// How a category is named and shown: its name, its folder's name, and the symbol and
// colour it borrows from a built-in category.
struct CategoryLabel
{
    CategoryLabel() = default;
    CategoryLabel(std::string name, std::string folder, FileCategory symbol = FileCategory::others,
        NamedColor color = NamedColor::gray)
        : name(std::move(name))
        , folder(std::move(folder))
        , symbol(symbol)
        , color(color)
    { }
    // A built-in category as it is shown without rules: its name is its folder's.
    CategoryLabel(FileCategory builtIn) // NOLINT(google-explicit-constructor)
        : name(rawValue(builtIn))
        , folder(rawValue(builtIn))
        , symbol(builtIn)
        , color(::color(builtIn))
    { }

    std::string name;
    std::string folder;
    FileCategory symbol = FileCategory::others;
    NamedColor color = NamedColor::gray;

    bool operator==(const CategoryLabel &) const = default;
};
