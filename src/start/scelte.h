#pragma once

#include "frame/modulo2.h"

#include <QString>

#include <array>

// The objectives and levels offered by the start window, and what choosing
// one of them writes into the shared state.

struct Obiettivo final
{
    const char *caption;
    int gruppo;
    const char *descrizione; // DescrizioneObiettivo
    const char *prefisso;    // start of the summary line
    Modulo2::int16 tipoDa;
    Modulo2::int16 tipoA;
};

inline constexpr std::array<Obiettivo, 6> obiettivi{{
    {"1. Calcolo del risultato", 1, "CALCOLO DEL RISULTATO", "Obiettivo n.1:     ", 1, 1},
    {"2. Calcolo di un termine", 1, "CALCOLO DEL TERMINE", "Obiettivo n.2:     ", 2, 3},
    {"3. Calcolo del risultato o di un termine", 1, "CALCOLO CASUALE DEL RISULTATO O DEL TERMINE",
     "Obiettivo n.3:     ", 1, 3},
    {"4. Calcolo di un termine", 2, "CALCOLO DEL NUMERO", "Obiettivo n.4:     ", 1, 6},
    {"5. Calcolo del segno:  =  <  >", 2, "CALCOLO DEL SEGNO", "Obiettivo n.5:     ", 7, 12},
    {"6. Calcolo di un termine o del segno", 2, "CALCOLO CASUALE DEL NUMERO O DEL SEGNO", "Obiettivo n.6:     ", 1,
     12},
}};

struct LivelloScelto final
{
    const char *caption;
    Modulo2::int16 livello;
    Modulo2::int16 minimo;
    Modulo2::int16 massimo;
    const char *testoLivello; // TestoLivello
};

inline constexpr std::array<LivelloScelto, 4> livelli{{
    {"1. Numeri da  1   a 30", 1, 1, 30, "Livello n.1:         "},
    {"2. Numeri da 30  a  60", 2, 30, 60, "Livello n.2:         "},
    {"3. Numeri da 60  a 99", 3, 60, 99, "Livello n.3:         "},
    {"4. Numeri da    1 a 99", 4, 1, 99, "Livello n.4:         "},
}};

/** "NUMERO MASSIMO da  1 a 30" for the range 1 to 30. */
QString descrizioneLivello(int minimo, int massimo);

/** Sets DescrizioneObiettivo, TipoDa and TipoA for objective indice (0 to 5); returns the summary line. */
QString scegliObiettivo(Modulo2 &stato, int indice);

/** Sets Livello, NumeroMin, NumeroMax and DescrizioneLivello for level indice (0 to 3); returns the summary line. */
QString scegliLivello(Modulo2 &stato, int indice);

/**
 * Why "Avanti" opens no exercise window with that Operazione, naming the settings
 * file it came from: empty for 1 to 3, which the exercise window trains; 4 to 7 are
 * for the worksheets only; any other value is no operation at all.
 */
QString avvisoOperazione(int operazione, const QString &fileLivelli);

/** Why the examples window shows no example with that Operazione; empty for 1 to 3. */
QString avvisoEsempi(int operazione, const QString &fileLivelli);

/** The group after a press on "Cambia gli obiettivi": 1 and 2 alternate, anything else becomes 1. */
Modulo2::int16 gruppoSeguente(Modulo2::int16 gruppo);

/** The number (1 to 6) of the objective whose DescrizioneObiettivo is descrizione; 0 for none. */
int numeroObiettivo(const QString &descrizione);
