#pragma once

#include "frame/modulo2.h"

#include <QString>

class Orologio;

// A series of operations: its counters, the seconds of every answer and of
// the exercise, and its end.

constexpr int operazioniPerSerie = 20;
constexpr double tempoParzialeMostrabile = 99;
constexpr double tempoTotaleMostrabile = 999;

/** A new series: counters, Tentativi and times to 0 and log lines 1 to 20 emptied. */
void azzeraSerie(Modulo2 &stato);

/** The exercise of the series: NumeroEsercizio + 1, TempoTotale 0, its TempiEsercizi entry emptied. */
void iniziaEsercizio(Modulo2 &stato);

/** The next operation: Risposta emptied, NumeroOperazione and NumeroOperazioni + 1. */
void avanzaOperazione(Modulo2 &stato);

/** Times the judgement now: the whole seconds since the operation appeared (a day added
    across midnight) into TempoParziale and its text, added to TempoTotale and its entry
    of TempiEsercizi. */
void CalcolaTempi(Modulo2 &stato, const Orologio &orologio);

/** What the panel shows for the last answer: TestoTempoParziale, or "99" above 99 seconds. */
QString testoTempoParziale(const Modulo2 &stato);

/** What the panel shows for the exercise: its TempiEsercizi entry, or "999" above 999 seconds. */
QString testoTempoTotale(const Modulo2 &stato);

/** A time as a plain number ("150"); empty for a time never set. */
QString testoSecondi(const Modulo2::Numero &secondi);

/** True once the series has its 20 operations. */
bool serieCompleta(const Modulo2 &stato);
