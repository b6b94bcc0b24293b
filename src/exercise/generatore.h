#pragma once

#include "frame/modulo2.h"

#include <QString>

#include <optional>

class Casuale;
struct Servizi;

// The draw of the three numbers of an operation, for the operation trained
// (Operazione) and the level.

// The values of Operazione that the exercise window trains.
namespace operazioni {
constexpr int addizione = 1;
constexpr int sottrazione = 2;
constexpr int moltiplicazione = 3;
} // namespace operazioni

/** How one generator draws at one level: each number is floor(r * larghezza) + base,
    and the draw is kept when the check value (sum, or product) lies in minimo..massimo. */
struct RigaGeneratore final
{
    int larghezza = 0;
    int base = 0;
    int minimo = 0;
    int massimo = 0;
};

/** The row for the operation and the level; empty for an operation or level with no draw. */
std::optional<RigaGeneratore> rigaGeneratore(int operazione, int livello);

/** The sign written between the numbers: "+", "-" or "x"; empty for any other operation. */
QString segnoOperazione(int operazione);

/** A number as text with a sign position: one blank and the digits (" 7"), "-7" if negative. */
QString testoNumero(long long numero);

/** The blanks that bring a number's text (trimmed) to three characters: "" for 3 digits,
    " " for 2, "  " for 1; any other length keeps precedente. */
QString calcolaSpazi(const QString &testo, const QString &precedente);

/** Spazi1 to Spazi3 from TestoTermine1 to TestoTermine3. */
void CalcolaSpazi(Modulo2 &stato);

/** Draws Termine1 to Termine3 for Livello after reseeding from the clock; addition also
    fills the texts and their blanks. Returns false (numbers untouched) if the level has no row. */
bool GeneraAdd(Modulo2 &stato, Servizi &servizi);
bool GeneraSot(Modulo2 &stato, Servizi &servizi);
bool GeneraMol(Modulo2 &stato, Servizi &servizi);
