#pragma once

#include <cstdint>

// The random source: uniform fractions in [0, 1). Every generator reseeds it
// from the clock before drawing; reseeding mixes the clock reading into the
// current state instead of restarting the sequence, so two draws in the same
// second still differ.
class Casuale final
{
public:
    explicit Casuale(std::uint64_t seme = 0x9E3779B97F4A7C15ull);

    void rimescola(float secondiDallaMezzanotte);
    double frazione();
    /** A whole number from a to b, both included: floor(fraction * (b - a + 1)) + a. */
    int intero(int a, int b);

    void impostaSeme(std::uint64_t seme) { m_stato = seme; }

private:
    std::uint64_t m_stato;
};
