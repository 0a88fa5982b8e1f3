#include "services/paths/Base64.h"

#include <array>
#include <cstdint>

namespace Base64 {
namespace {

constexpr std::string_view alphabet
    = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> makeReverse()
{
    std::array<std::int8_t, 256> table {};
    table.fill(-1);
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    return table;
}

constexpr std::array<std::int8_t, 256> reverse = makeReverse();

} // namespace

std::string encode(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]))
                << 16
            | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8
            | static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[group >> 18 & 63];
        out += alphabet[group >> 12 & 63];
        out += alphabet[group >> 6 & 63];
        out += alphabet[group & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]))
            << 16;
        if (rest == 2)
            group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        out += alphabet[group >> 18 & 63];
        out += alphabet[group >> 12 & 63];
        out += rest == 2 ? alphabet[group >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::string> decode(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        // Padding may only close the very last group: "xx==" or "xxx=".
        std::size_t padding = 0;
        if (last && text[i + 3] == '=')
            padding = text[i + 2] == '=' ? 2 : 1;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4 - padding; ++k) {
            const std::int8_t value = reverse[static_cast<unsigned char>(text[i + k])];
            if (value < 0)
                return std::nullopt;
            group |= static_cast<std::uint32_t>(value) << (18 - 6 * k);
        }
        out += static_cast<char>(group >> 16 & 0xFF);
        if (padding == 2) {
            if ((group & 0xFFFF) != 0)
                return std::nullopt;
            break;
        }
        out += static_cast<char>(group >> 8 & 0xFF);
        if (padding == 1) {
            if ((group & 0xFF) != 0)
                return std::nullopt;
            break;
        }
        out += static_cast<char>(group & 0xFF);
    }
    return out;
}

} // namespace Base64
