#pragma once

#include "frame/modulo2.h"

#include <QString>

#include <array>
#include <optional>

class Casuale;
class Orologio;
struct Servizi;

// What is shown of a drawn operation: which place is the unknown, the values
// of the row, the log line, and the moment the operation's time starts.

// The four places of the row, in the order they are shown.
enum class Posto { primo, secondo, terzo, risultato };
constexpr int numeroPosti = 4;

/** The row as shown: the value of each place (index by Posto) and the place of the unknown. */
struct RigaMostrata final
{
    std::array<int, numeroPosti> valori{};
    int tipoDomanda = 0; // 1 result, 2 first, 3 second, 4 third number
};

/** The place of TipoDomanda 1 to 4; empty for any other value. */
std::optional<Posto> postoIncognita(int tipoDomanda);

/** Draws TipoDomanda for the level, continuing the current sequence: 1 always at level 1,
    2 to 4 at level 2, 1 to 4 at levels 3 and 4; 0 (nothing shown) for any other level. */
int scegliTipoDomanda(int livello, Casuale &casuale);

/** The values of the four places for Termine1 to Termine3. A subtraction shows the sum of
    the three numbers first; with its second number unknown the result shows Termine2. */
std::array<int, numeroPosti> valoriRiga(const Modulo2 &stato, int operazione, int tipoDomanda);

/** A number as a four-character log field: its blanks, then its text (" 7" gives "   7"). */
QString campoElenco(int numero);

/** The log line of the row with the unknown written as dots, ending in "   R.". */
QString rigaElenco(const std::array<int, numeroPosti> &valori, int operazione, int tipoDomanda);

/** Shows the unknown at tipoDomanda: sets TipoDomanda and Incognita and writes the log line
    at NumeroOperazioni. */
RigaMostrata SubVisualizza(Modulo2 &stato, int operazione, int tipoDomanda);

/** Shows the unknown at tipoDomanda (SubVisualizza), sets TestoIncognita and SpaziIncognita
    and starts the operation's time. */
RigaMostrata VisualizzaIncognita(Modulo2 &stato, const Orologio &orologio, int operazione, int tipoDomanda);

/** Chooses the unknown by Livello, shows it, sets TestoIncognita and SpaziIncognita and
    starts the operation's time. Empty (nothing changed) when the level shows nothing. */
std::optional<RigaMostrata> Visualizza(Modulo2 &stato, Servizi &servizi, int operazione);

/** Draws and shows the next operation for Operazione; empty for an operation not trained. */
std::optional<RigaMostrata> GeneraOperazione(Modulo2 &stato, Servizi &servizi);
