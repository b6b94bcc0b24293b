#pragma once

// A series handed to the class record as the exercise window would hand it:
// each operation answered right, its log line "   <i> +    1 +    1 = ...    R.<i+2>  ".

#include "frame/modulo2.h"
#include "record/registroclasse.h"

inline void iniziaSerie()
{
    Modulo2 &m = modulo2();
    m.NomeProgramma = QStringLiteral("TARVELO");
    m.Operazione = m.Livello = 1;
    m.NumeroOperazioni = m.NumeroOperazione = m.NumeroEsatte = m.RisposteEsatte = 0;
    registroClasse().serieIniziata(m);
}

// The operation i (1, 2, ...) answered right.
inline void rispondiGiusto(int i)
{
    Modulo2 &m = modulo2();
    m.NumeroOperazioni = m.NumeroOperazione = m.NumeroEsatte = m.RisposteEsatte = static_cast<Modulo2::int16>(i);
    m.ElencoOperazioni.imposta(i, QStringLiteral("   %1 +    1 +    1 = ...    R.%2  ").arg(i).arg(i + 2));
    m.Risposta = QString::number(i + 2);
    registroClasse().rispostaGiudicata(m, true);
}

// A series of three operations, each answered right, then "Esco".
inline void unaSerie()
{
    iniziaSerie();
    for (int i = 1; i <= 3; ++i)
        rispondiGiusto(i);
    registroClasse().serieTerminata(modulo2(), FineSerie::esco);
}
