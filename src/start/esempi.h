#pragma once

#include "exercise/visualizzazione.h"
#include "frame/modulo2.h"

#include <QString>

#include <array>
#include <vector>

struct Servizi;

// The examples shown before a pupil starts: one row for each place of the
// unknown, drawn by the exercise window's own generator and display rules.

/** The places of the unknown, one example each: result, first, second and third number. */
constexpr std::array<int, numeroPosti> tipiDomandaEsempi{1, 2, 3, 4};

struct Esempio final
{
    int operazione = 0;
    /** The values of the row and the place of the unknown. */
    RigaMostrata riga;
    /** The value that goes in the unknown's place. */
    int risposta = 0;
};

/** The level the examples are drawn at: the one chosen, or 1 when none is. */
int livelloEsempi(int livello);

/** One example for each place of tipiDomandaEsempi, for the Operazione and the level of
    stato. They are drawn on a copy: stato is left as it was. Empty for an operation that
    the exercise window does not train. */
std::vector<Esempio> disegnaEsempi(const Modulo2 &stato, Servizi &servizi);

/** The header lines of the examples: the operation ("   Operazione:    ADDIZIONE", its number
    for one not trained) and the level ("Livello n.1:         NUMERO MASSIMO da  1 a 30"). */
QString intestazioneOperazione(int operazione);
QString intestazioneLivello(int livello);
