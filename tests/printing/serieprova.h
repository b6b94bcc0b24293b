#pragma once

#include "exercise/provafrmoperativo.h"

// A series as the exercise window leaves it in the shared state, and the
// windows that show it, for the report and certificate tests.
namespace serieprova {

// A log line of an addition with the result unknown: four-character number
// fields, " = ... ", "   R.", then the pupil's answer and its mark. Every
// eighth line is answered wrong first and then corrected.
inline QString rigaLog(int i)
{
    const int n = i % 80 + 1;
    const QString riga = QStringLiteral("%1 + %2 + %3 = ...    R.").arg(n, 4).arg(5, 4).arg(3, 4);
    return riga + (i % 8 == 0 ? QStringLiteral("%1*  %2° ").arg(n + 9).arg(n + 8) : QStringLiteral("%1  ").arg(n + 8));
}

// Log lines 1 to operazioni, the right answers and the first exercise's total
// time: what the report and the certificate read.
inline void riempi(int operazioni, int esatte, const QString &tempoTotale = QStringLiteral(" 57"))
{
    auto &m = modulo2();
    for (int i = 1; i <= operazioni; ++i)
        m.ElencoOperazioni.imposta(i, rigaLog(i));
    m.NumeroOperazioni = static_cast<Modulo2::int16>(operazioni);
    m.RisposteEsatte = static_cast<Modulo2::int16>(esatte);
    m.TempiEsercizi.imposta(1, tempoTotale);
}

using prova::apri;

} // namespace serieprova
