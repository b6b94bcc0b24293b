#pragma once

#include "elencotesti.h"

#include <QString>

#include <cstdint>
#include <optional>

// The shared state through which the windows talk to each other. Every window
// reads and writes it directly; nothing else crosses from one window to another.
// Everything here lives in memory only, except Operazione, which the settings
// file keeps from one run to the next.
struct Modulo2 final
{
    using int16 = std::int16_t;
    // A timing value: empty until first set, then whole seconds or a
    // clock reading in seconds since midnight.
    using Numero = std::optional<double>;

    // Program and choices, written by the start window.
    QString NomeProgramma;
    int16 Operazione = 0; // 1 addition, 2 subtraction, 3 multiplication
    QString DescrizioneObiettivo;
    int16 TipoDa = 0;
    int16 TipoA = 0;
    int16 Livello = 0; // 1 to 4
    int16 NumeroMin = 0;
    int16 NumeroMax = 0;
    QString DescrizioneLivello;

    // The current operation.
    int16 Termine1 = 0;
    int16 Termine2 = 0;
    int16 Termine3 = 0;
    int16 Incognita = 0;
    int16 TipoDomanda = 0; // 1 result, 2 first, 3 second, 4 third number
    QString TestoTermine1;
    QString TestoTermine2;
    QString TestoTermine3;
    QString Spazi1;
    QString Spazi2;
    QString Spazi3;
    QString SpaziIncognita;
    QString TestoIncognita;
    QString Risposta;
    QString SegnoEsito;
    int16 Tentativi = 0;

    // Counts, times and the exercise log.
    int16 NumeroOperazione = 0;
    int16 NumeroOperazioni = 0;
    int16 NumeroEsercizio = 0;
    int16 NumeroEsatte = 0;
    int16 NumeroErrate = 0;
    int16 RisposteEsatte = 0;
    Numero InizioOperazione;
    Numero FineOperazione;
    Numero TempoParziale;
    Numero TempoTotale;
    QString TestoTempoParziale;
    ElencoTesti<5> TempiEsercizi;
    ElencoTesti<90> ElencoOperazioni;

    // Printing.
    QString NomeAlunno; // at most 15 characters
    QString Valutazione;
    QString NomeEseguibile;

    // Worksheets.
    ElencoTesti<90> SchedaAlunni;
    ElencoTesti<90> SchedaDocenti;
    QString SpaziConfronto;
    QString Separatore;
    int16 Differenza = 0;
    int16 Confronto = 0;
    int16 NumeroRighe = 0;
    int16 TipoScheda = 0; // 0 none, 1 pupils', 2 teacher's

    int16 Indice = 0;
};

// The one instance shared by every window.
Modulo2 &modulo2();

// Puts every shared variable back to its first value (used at program start
// and by tests that need a fresh state).
void azzeraModulo2();
