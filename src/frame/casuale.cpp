#include "casuale.h"

#include <cmath>
#include <cstring>

namespace {
// splitmix64: one step of a well-mixed 64-bit sequence.
std::uint64_t mescola(std::uint64_t &stato)
{
    stato += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = stato;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

Casuale::Casuale(std::uint64_t seme)
    : m_stato(seme)
{
}

void Casuale::rimescola(float secondiDallaMezzanotte)
{
    std::uint32_t bit = 0;
    std::memcpy(&bit, &secondiDallaMezzanotte, sizeof bit);
    m_stato ^= static_cast<std::uint64_t>(bit) * 0xD6E8FEB86659FD93ull;
    mescola(m_stato);
}

double Casuale::frazione()
{
    // 53 random bits give every double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(mescola(m_stato) >> 11) * 0x1.0p-53;
}

int Casuale::intero(int a, int b)
{
    return static_cast<int>(std::floor(frazione() * (b - a + 1))) + a;
}
