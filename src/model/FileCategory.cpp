#include "model/FileCategory.h"

#include "model/Text.h"

namespace {

using namespace std::string_view_literals;

constexpr std::array videoExtensions { "mp4"sv, "mov"sv, "avi"sv, "mkv"sv, "wmv"sv, "flv"sv,
    "webm"sv, "m4v"sv, "3gp"sv, "ts"sv, "m2ts"sv, "vob"sv, "rm"sv, "rmvb"sv };
constexpr std::array imageExtensions { "jpg"sv, "jpeg"sv, "png"sv, "gif"sv, "bmp"sv, "tiff"sv,
    "tif"sv, "webp"sv, "heic"sv, "heif"sv, "raw"sv, "cr2"sv, "nef"sv, "arw"sv, "svg"sv, "ico"sv };
constexpr std::array documentExtensions { "pdf"sv, "doc"sv, "docx"sv, "xls"sv, "xlsx"sv, "ppt"sv,
    "pptx"sv, "txt"sv, "rtf"sv, "odt"sv, "ods"sv, "odp"sv, "pages"sv, "numbers"sv, "key"sv,
    "epub"sv, "mobi"sv, "azw"sv, "md"sv, "csv"sv };
constexpr std::array audioExtensions { "mp3"sv, "wav"sv, "aac"sv, "flac"sv, "ogg"sv, "m4a"sv,
    "wma"sv, "opus"sv, "aiff"sv, "aif"sv, "mid"sv, "midi"sv };
constexpr std::array codeExtensions { "js"sv, "ts"sv, "jsx"sv, "tsx"sv, "py"sv, "java"sv, "c"sv,
    "cpp"sv, "h"sv, "hpp"sv, "cs"sv, "go"sv, "rs"sv, "rb"sv, "php"sv, "html"sv, "css"sv, "scss"sv,
    "sass"sv, "less"sv, "sh"sv, "bash"sv, "zsh"sv, "sql"sv, "r"sv, "swift"sv, "kt"sv, "dart"sv,
    "vue"sv, "svelte"sv, "json"sv, "yaml"sv, "yml"sv, "toml"sv, "xml"sv, "env"sv, "gitignore"sv,
    "dockerfile"sv };
constexpr std::array archiveExtensions { "zip"sv, "rar"sv, "tar"sv, "gz"sv, "7z"sv, "bz2"sv, "xz"sv,
    "iso"sv, "tgz"sv };
// Beside the installers of other systems, the package and bundle formats of Linux.
constexpr std::array installerExtensions { "dmg"sv, "pkg"sv, "exe"sv, "msi"sv, "deb"sv, "rpm"sv,
    "appimage"sv, "flatpak"sv, "flatpakref"sv, "snap"sv };
constexpr std::array designExtensions { "psd"sv, "ai"sv, "eps"sv, "indd"sv, "sketch"sv, "fig"sv,
    "xd"sv };
constexpr std::array fontExtensions { "ttf"sv, "otf"sv, "woff"sv, "woff2"sv, "eot"sv };
constexpr std::array modelExtensions { "obj"sv, "fbx"sv, "blend"sv, "stl"sv, "glb"sv, "gltf"sv,
    "dae"sv, "3ds"sv };

struct CategoryInfo
{
    std::string_view rawValue;
    std::string_view iconName;
    NamedColor color;
    std::span<const std::string_view> extensions;
};

constexpr std::array<CategoryInfo, 11> infos { {
    { "Videos", "film", NamedColor::purple, videoExtensions },
    { "Images", "photo", NamedColor::blue, imageExtensions },
    { "Documents", "doc.text", NamedColor::orange, documentExtensions },
    { "Audio", "music.note", NamedColor::pink, audioExtensions },
    { "Code", "chevron.left.forwardslash.chevron.right", NamedColor::green, codeExtensions },
    { "Archives", "archivebox", NamedColor::brown, archiveExtensions },
    { "Installers", "arrow.down.app", NamedColor::red, installerExtensions },
    { "Design", "paintbrush", NamedColor::indigo, designExtensions },
    { "Fonts", "textformat", NamedColor::teal, fontExtensions },
    { "3D Models", "cube", NamedColor::cyan, modelExtensions },
    { "Others", "folder", NamedColor::gray, {} },
} };

const CategoryInfo &info(FileCategory category)
{
    return infos[static_cast<std::size_t>(category)];
}

} // namespace

std::string_view rawValue(FileCategory category)
{
    return info(category).rawValue;
}

std::optional<FileCategory> categoryFromRawValue(std::string_view text)
{
    for (FileCategory category : allCases) {
        if (rawValue(category) == text)
            return category;
    }
    return std::nullopt;
}

std::string_view iconName(FileCategory category)
{
    return info(category).iconName;
}

NamedColor color(FileCategory category)
{
    return info(category).color;
}

std::span<const std::string_view> extensions(FileCategory category)
{
    return info(category).extensions;
}

const std::unordered_map<std::string, FileCategory> &extensionMap()
{
    // A function-local static is initialised exactly once, even under concurrent first calls.
    static const std::unordered_map<std::string, FileCategory> map = [] {
        std::unordered_map<std::string, FileCategory> result;
        result.reserve(160);
        for (FileCategory category : allCases) {
            if (category == FileCategory::others)
                continue;
            // A later category overwrites an earlier one: "ts" ends up as code.
            for (std::string_view extension : extensions(category))
                result.insert_or_assign(std::string(extension), category);
        }
        return result;
    }();
    return map;
}

FileCategory categoryForExtension(std::string_view extension)
{
    if (extension.empty())
        return FileCategory::others;
    const auto &map = extensionMap();
    const auto found = map.find(Text::toLowerCase(extension));
    return found == map.end() ? FileCategory::others : found->second;
}
