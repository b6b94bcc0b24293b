#pragma once

#include "frame/modulo2.h"

#include <QString>

#include <array>

// The choices of the worksheet window and what they write into the shared
// state: the window's caption by Operazione, the three objectives, the four
// levels, and the two pieces of the title line.

struct ObiettivoScheda final
{
    const char *caption;
    const char *titolo; // TitoloObiettivo
    Modulo2::int16 tipoDa;
    Modulo2::int16 tipoA;
};

// Option1(1) to Option1(3).
inline constexpr std::array<ObiettivoScheda, 3> obiettiviScheda{{
    {"Calcola risultato", "  -  CALCOLO DEL RISULTATO", 1, 1},
    {"Calcola termine", "  -  CALCOLO DI UN TERMINE", 2, 4},
    {"Calcola risultato o  termine", "  -  CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE", 1, 4},
}};

// Option3(0) to Option3(3); the levels themselves are those of the start window.
inline constexpr std::array<const char *, 4> captionLivelliScheda{
    "da  1   a 40", "da 30  a  70", "da 50  a 99", "da   1 a 99"};

inline const QString titoloSchedePredefinito = QStringLiteral("STAMPA SCHEDE");

/** The window's caption for Operazione 1 to 7; "STAMPA SCHEDE" for any other value. */
QString titoloFinestraSchede(int operazione);

/** Objective indice (1 to 3): sets TipoDa and TipoA and returns TitoloObiettivo; empty and nothing set outside. */
QString scegliObiettivoScheda(Modulo2 &stato, int indice);

/**
 * Level indice (0 to 3): sets Livello, NumeroMin, NumeroMax and
 * DescrizioneLivello and returns TitoloLivello; empty and nothing set outside.
 */
QString scegliLivelloScheda(Modulo2 &stato, int indice);
