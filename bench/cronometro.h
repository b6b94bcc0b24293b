#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

// Timing shared by the benchmarks: milliseconds on a steady clock, and the
// median or a percentile of many rounds.

inline double millisecondiDa(std::chrono::steady_clock::time_point inizio)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
}

/** The value at quota of the sorted values: 0.5 the median, 0.99 the 99th percentile. */
inline double percentile(std::vector<double> valori, double quota)
{
    std::sort(valori.begin(), valori.end());
    const auto i = static_cast<std::size_t>(quota * static_cast<double>(valori.size() - 1) + 0.5);
    return valori[std::min(i, valori.size() - 1)];
}

/** Runs prova giri times; the median of its times, in milliseconds. */
template <typename Prova>
double medianaMs(int giri, Prova &&prova)
{
    std::vector<double> tempi;
    for (int i = 0; i < giri; ++i) {
        const auto inizio = std::chrono::steady_clock::now();
        prova();
        tempi.push_back(millisecondiDa(inizio));
    }
    return percentile(tempi, 0.5);
}
