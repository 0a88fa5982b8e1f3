#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// The eleven kinds a file is sorted into. Declaration order matters: it is the
// order of allCases and the order in which the extension map is filled.
enum class FileCategory : std::uint8_t {
    videos,
    images,
    documents,
    audio,
    code,
    archives,
    installers,
    design,
    fonts,
    threeDModels,
    others,
};

// The standard named colours the categories are tinted with.
enum class NamedColor : std::uint8_t {
    purple,
    blue,
    orange,
    pink,
    green,
    brown,
    red,
    indigo,
    teal,
    cyan,
    gray,
};

inline constexpr std::array<FileCategory, 11> allCases {
    FileCategory::videos,
    FileCategory::images,
    FileCategory::documents,
    FileCategory::audio,
    FileCategory::code,
    FileCategory::archives,
    FileCategory::installers,
    FileCategory::design,
    FileCategory::fonts,
    FileCategory::threeDModels,
    FileCategory::others,
};

// Display text and folder name, e.g. "3D Models".
std::string_view rawValue(FileCategory category);
// The category whose raw value is exactly `text` (case-sensitive, whole string).
std::optional<FileCategory> categoryFromRawValue(std::string_view text);
// Symbol name of the system symbol set, e.g. "photo".
std::string_view iconName(FileCategory category);
NamedColor color(FileCategory category);
// Lower-case extensions without the dot, in list order; empty for others.
std::span<const std::string_view> extensions(FileCategory category);

// Process-wide table from lower-case extension to category; built once, on first
// use, safely under concurrent first uses.
const std::unordered_map<std::string, FileCategory> &extensionMap();

// Classifies a file-name extension (bytes, any letter case, possibly empty).
// Unknown and empty extensions give others.
FileCategory categoryForExtension(std::string_view extension);
