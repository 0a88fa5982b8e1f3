#pragma once

#include <array>
#include <cstdint>
#include <string>

// A random (version 4) UUID. Identities of plans and preview nodes are made fresh
// each time a value is built and are never stored.
class Uuid
{
public:
    Uuid() = default; // the nil UUID
    static Uuid random();
    // This UUID with `number` mixed into its last bytes: distinct UUIDs for the
    // members of one value, the same each time they are made.
    Uuid numbered(std::uint32_t number) const;

    bool isNull() const;
    std::string toString() const;

    friend bool operator==(const Uuid &, const Uuid &) = default;

private:
    std::array<std::uint8_t, 16> m_bytes {};
};
