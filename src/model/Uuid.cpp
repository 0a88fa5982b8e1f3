#include "model/Uuid.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace {

// One generator per thread, seeded from the system's entropy source, so making
// a hundred thousand identities costs no system call each.
std::mt19937_64 &generator()
{
    thread_local std::mt19937_64 engine = [] {
        std::random_device device;
        std::seed_seq seed { device(), device(), device(), device(), device(), device(), device(),
            device() };
        return std::mt19937_64(seed);
    }();
    return engine;
}

} // namespace

Uuid Uuid::random()
{
    Uuid uuid;
    const std::uint64_t high = generator()();
    const std::uint64_t low = generator()();
    std::memcpy(uuid.m_bytes.data(), &high, 8);
    std::memcpy(uuid.m_bytes.data() + 8, &low, 8);
    uuid.m_bytes[6] = static_cast<std::uint8_t>((uuid.m_bytes[6] & 0x0F) | 0x40); // version 4
    uuid.m_bytes[8]
        = static_cast<std::uint8_t>((uuid.m_bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    return uuid;
}

Uuid Uuid::numbered(std::uint32_t number) const
{
    Uuid uuid = *this;
    for (std::size_t i = 0; i < 4; ++i)
        uuid.m_bytes[15 - i] ^= static_cast<std::uint8_t>(number >> (8 * i));
    return uuid;
}

bool Uuid::isNull() const
{
    return std::all_of(m_bytes.begin(), m_bytes.end(), [](std::uint8_t b) { return b == 0; });
}

std::string Uuid::toString() const
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(36);
    for (std::size_t i = 0; i < m_bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += digits[m_bytes[i] >> 4];
        text += digits[m_bytes[i] & 0x0F];
    }
    return text;
}
