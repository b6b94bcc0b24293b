#pragma once

// How the benchmark compares: the program's work and bare Qt's timed in the
// same run, each row printed as "riga|measure|TARVELO|bare Qt|aim", which
// bench/run.sh turns into its table.

#include <QString>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using Tempi = std::vector<double>;
using Coppia = std::array<Tempi, 2>; // the program's values, then bare Qt's
using Lavoro = std::function<void()>;

// Prints a row of the table: both values at quota (0.5 the median, 0.99 the 99th percentile), and the aim.
inline void riga(const QString &misura, Coppia valori, const char *obiettivo = "", double quota = 0.5)
{
    for (Tempi &v : valori)
        std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(quota * static_cast<double>(valori[0].size() - 1) + 0.5);
    std::printf("riga|%s|%.3f|%.3f|%s\n", qPrintable(misura), valori[0].at(i), valori[1].at(i), obiettivo);
}

// The program's work and bare Qt's, timed giri times each in milliseconds,
// alternating which goes first, after one round not counted (caches warm,
// windows painted once); prepara runs untimed before each of the program's.
inline Coppia confronta(int giri, const Lavoro &programma, const Lavoro &nudo, const Lavoro &prepara = [] {})
{
    Coppia tempi;
    for (int giro = 0; giro <= giri; ++giro) {
        for (const int chi : {giro % 2, 1 - giro % 2}) {
            if (chi == 0)
                prepara();
            const auto inizio = std::chrono::steady_clock::now();
            (chi == 0 ? programma : nudo)();
            const std::chrono::duration<double, std::milli> durata = std::chrono::steady_clock::now() - inizio;
            tempi.at(chi).push_back(durata.count());
        }
        if (giro == 0)
            tempi = {};
    }
    return tempi;
}

