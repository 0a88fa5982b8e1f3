#pragma once

#include "model/Text.h"
#include "services/paths/Base64.h"

#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One member of a line's object. A string is given as its bytes, the {"base64": ...}
// form of names that are not UTF-8 included.
struct JournalField
{
    enum class Kind : std::uint8_t { number, text, other };
    std::string key; // the writer's few short words: no allocation
    Kind kind = Kind::other;
    bool negative = false;
    std::uint64_t magnitude = 0;
    std::string text;
};

// Reads a line as the flat JSON object the writer above makes, and any other valid
// spelling of it (spaces, every string escape), trusting nothing: anything that is
// not such an object, or holds a string that is not UTF-8, is no line at all. No
// general JSON parser: it took nine tenths of an undo's time.
class JournalLineReader
{
public:
    // Room for the longest line this program writes (the header's eight members).
    static constexpr std::size_t maxFields = 12;

    explicit JournalLineReader(std::string_view line)
        : m_rest(line)
    {
        m_valid = readObject();
        // Nothing read points into the line, which may go before the reader does.
        m_rest = {};
    }

    bool isValid() const { return m_valid; }
    const JournalField *find(std::string_view key) const
    {
        for (std::size_t i = 0; i < m_count; ++i) {
            if (m_fields[i].key == key)
                return &m_fields[i];
        }
        return nullptr;
    }
    std::optional<std::uint64_t> unsignedNumber(std::string_view key) const
    {
        const JournalField *field = find(key);
        if (!field || field->kind != JournalField::Kind::number || field->negative)
            return std::nullopt;
        return field->magnitude;
    }
    std::optional<std::int64_t> signedNumber(std::string_view key) const
    {
        const JournalField *field = find(key);
        if (!field || field->kind != JournalField::Kind::number)
            return std::nullopt;
        if (field->negative) {
            if (field->magnitude > static_cast<std::uint64_t>(INT64_MAX) + 1)
                return std::nullopt;
            return static_cast<std::int64_t>(0 - field->magnitude);
        }
        if (field->magnitude > static_cast<std::uint64_t>(INT64_MAX))
            return std::nullopt;
        return static_cast<std::int64_t>(field->magnitude);
    }
    std::optional<std::string> bytes(std::string_view key) const
    {
        const JournalField *field = find(key);
        if (!field || field->kind != JournalField::Kind::text)
            return std::nullopt;
        return field->text;
    }
    // The same, moved out of the reader: a name read once need not be copied.
    std::optional<std::string> takeBytes(std::string_view key)
    {
        for (std::size_t i = 0; i < m_count; ++i) {
            if (m_fields[i].key == key) {
                if (m_fields[i].kind != JournalField::Kind::text)
                    return std::nullopt;
                return std::move(m_fields[i].text);
            }
        }
        return std::nullopt;
    }

private:
    void skipSpace()
    {
        while (!m_rest.empty()
            && (m_rest.front() == ' ' || m_rest.front() == '\t' || m_rest.front() == '\r'))
            m_rest.remove_prefix(1);
    }
    bool take(char c)
    {
        skipSpace();
        if (m_rest.empty() || m_rest.front() != c)
            return false;
        m_rest.remove_prefix(1);
        return true;
    }
    bool takeWord(std::string_view word)
    {
        if (!m_rest.starts_with(word))
            return false;
        m_rest.remove_prefix(word.size());
        return true;
    }

    bool readObject()
    {
        if (!take('{'))
            return false;
        if (take('}'))
            return atEnd();
        do {
            if (m_count == maxFields)
                return false;
            JournalField &field = m_fields[m_count++];
            if (!take('"') || !readString(field.key) || !take(':') || !readValue(field))
                return false;
        } while (take(','));
        return take('}') && atEnd();
    }
    bool atEnd()
    {
        skipSpace();
        return m_rest.empty();
    }

    bool readValue(JournalField &field)
    {
        skipSpace();
        if (m_rest.empty())
            return false;
        const char c = m_rest.front();
        if (c == '"') {
            m_rest.remove_prefix(1);
            field.kind = JournalField::Kind::text;
            return readString(field.text);
        }
        if (c == '{') {
            // A name that is not UTF-8: {"base64":"..."}.
            std::string key;
            std::string encoded;
            m_rest.remove_prefix(1);
            if (!take('"') || !readString(key) || key != "base64" || !take(':') || !take('"')
                || !readString(encoded) || !take('}'))
                return false;
            std::optional<std::string> decoded = Base64::decode(encoded);
            if (!decoded)
                return false;
            field.kind = JournalField::Kind::text;
            field.text = std::move(*decoded);
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            field.kind = JournalField::Kind::number;
            field.negative = c == '-';
            if (field.negative)
                m_rest.remove_prefix(1);
            const auto [end, error]
                = std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), field.magnitude);
            const auto length = static_cast<std::size_t>(end - m_rest.data());
            // JSON allows no leading zeros; fractions and exponents are never written.
            if (error != std::errc() || length == 0 || (length > 1 && m_rest.front() == '0'))
                return false;
            m_rest.remove_prefix(length);
            return m_rest.empty()
                || (m_rest.front() != '.' && m_rest.front() != 'e' && m_rest.front() != 'E');
        }
        field.kind = JournalField::Kind::other;
        return takeWord("true") || takeWord("false") || takeWord("null");
    }

    // After the opening quote, up to and past the closing one.
    bool readString(std::string &out)
    {
        bool wide = false;
        for (std::size_t i = 0; i < m_rest.size(); ++i) {
            const auto byte = static_cast<unsigned char>(m_rest[i]);
            if (byte == '"') {
                out.assign(m_rest.substr(0, i));
                m_rest.remove_prefix(i + 1);
                return !wide || Text::isValidUtf8(out);
            }
            if (byte == '\\')
                return readEscapedString(out);
            if (byte < 0x20)
                return false;
            wide = wide || byte >= 0x80;
        }
        return false;
    }
    bool readEscapedString(std::string &out)
    {
        out.clear();
        while (!m_rest.empty()) {
            const char c = m_rest.front();
            m_rest.remove_prefix(1);
            if (c == '"')
                return Text::isValidUtf8(out);
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_rest.empty())
                return false;
            const char escape = m_rest.front();
            m_rest.remove_prefix(1);
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u':
                if (!readCodePoint(out))
                    return false;
                break;
            default:
                return false;
            }
        }
        return false;
    }
    std::optional<std::uint32_t> hex4()
    {
        std::uint32_t value = 0;
        if (m_rest.size() < 4)
            return std::nullopt;
        const auto [end, error] = std::from_chars(m_rest.data(), m_rest.data() + 4, value, 16);
        if (error != std::errc() || end != m_rest.data() + 4)
            return std::nullopt;
        m_rest.remove_prefix(4);
        return value;
    }
    // After "\u": one code point, a surrogate pair whole, as UTF-8.
    bool readCodePoint(std::string &out)
    {
        std::optional<std::uint32_t> point = hex4();
        if (!point || (*point >= 0xDC00 && *point <= 0xDFFF))
            return false;
        if (*point >= 0xD800 && *point <= 0xDBFF) {
            if (!takeWord("\\u"))
                return false;
            const std::optional<std::uint32_t> low = hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF)
                return false;
            *point = 0x10000 + ((*point - 0xD800) << 10) + (*low - 0xDC00);
        }
        const std::uint32_t p = *point;
        if (p < 0x80) {
            out += static_cast<char>(p);
        } else if (p < 0x800) {
            out += static_cast<char>(0xC0 | (p >> 6));
            out += static_cast<char>(0x80 | (p & 0x3F));
        } else if (p < 0x10000) {
            out += static_cast<char>(0xE0 | (p >> 12));
            out += static_cast<char>(0x80 | ((p >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (p & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (p >> 18));
            out += static_cast<char>(0x80 | ((p >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((p >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (p & 0x3F));
        }
        return true;
    }

    std::string_view m_rest; // what is left of the line while it is read
    std::array<JournalField, maxFields> m_fields;
    std::size_t m_count = 0;
    bool m_valid = false;
};
