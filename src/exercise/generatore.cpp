#include "generatore.h"

#include "frame/casuale.h"
#include "frame/servizi.h"

#include <array>

namespace {

constexpr int righePerOperazione = 4;

// Rows by operation (addition, subtraction, multiplication) and level 1 to 4.
// Level 4 keeps every number of the row within 99, so each log field stays four
// characters wide: addends and subtrahends from 1 to 60 with a sum (or
// minuend) from 10 to 99, factors from 1 to 10 with a product from 10 to 99.
constexpr std::array<std::array<RigaGeneratore, righePerOperazione>, 3> tabella{{
    {{{20, 1, 10, 40}, {30, 1, 30, 70}, {40, 1, 50, 99}, {60, 1, 10, 99}}},
    {{{20, 1, 10, 40}, {20, 1, 30, 70}, {30, 20, 50, 98}, {60, 1, 10, 99}}},
    {{{10, 1, 10, 40}, {10, 1, 40, 70}, {10, 1, 50, 99}, {10, 1, 10, 99}}},
}};

// Draws the three numbers again until the check value is accepted.
bool genera(Modulo2 &stato, Servizi &servizi, int operazione)
{
    const auto riga = rigaGeneratore(operazione, stato.Livello);
    if (!riga)
        return false;
    Casuale &casuale = servizi.casualeRimescolato();
    const auto estrai = [&] {
        return static_cast<Modulo2::int16>(casuale.intero(riga->base, riga->base + riga->larghezza - 1));
    };
    for (;;) {
        stato.Termine1 = estrai();
        stato.Termine2 = estrai();
        stato.Termine3 = estrai();
        const int controllo = operazione == operazioni::moltiplicazione ? stato.Termine1 * stato.Termine2 * stato.Termine3
                                                            : stato.Termine1 + stato.Termine2 + stato.Termine3;
        if (controllo >= riga->minimo && controllo <= riga->massimo)
            return true;
    }
}

} // namespace

std::optional<RigaGeneratore> rigaGeneratore(int operazione, int livello)
{
    if (operazione < 1 || operazione > static_cast<int>(tabella.size()) || livello < 1 ||
        livello > righePerOperazione)
        return std::nullopt;
    return tabella[operazione - 1][livello - 1];
}

QString segnoOperazione(int operazione)
{
    switch (operazione) {
    case operazioni::addizione:
        return QStringLiteral("+");
    case operazioni::sottrazione:
        return QStringLiteral("-");
    case operazioni::moltiplicazione:
        return QStringLiteral("x");
    default:
        return {};
    }
}

QString testoNumero(long long numero)
{
    return numero < 0 ? QString::number(numero) : QLatin1Char(' ') + QString::number(numero);
}

QString calcolaSpazi(const QString &testo, const QString &precedente)
{
    switch (testo.trimmed().size()) {
    case 3:
        return {};
    case 2:
        return QStringLiteral(" ");
    case 1:
        return QStringLiteral("  ");
    default:
        return precedente;
    }
}

void CalcolaSpazi(Modulo2 &stato)
{
    stato.Spazi1 = calcolaSpazi(stato.TestoTermine1, stato.Spazi1);
    stato.Spazi2 = calcolaSpazi(stato.TestoTermine2, stato.Spazi2);
    stato.Spazi3 = calcolaSpazi(stato.TestoTermine3, stato.Spazi3);
}

bool GeneraAdd(Modulo2 &stato, Servizi &servizi)
{
    if (!genera(stato, servizi, operazioni::addizione))
        return false;
    stato.TestoTermine1 = testoNumero(stato.Termine1);
    stato.TestoTermine2 = testoNumero(stato.Termine2);
    stato.TestoTermine3 = testoNumero(stato.Termine3);
    CalcolaSpazi(stato);
    return true;
}

bool GeneraSot(Modulo2 &stato, Servizi &servizi)
{
    return genera(stato, servizi, operazioni::sottrazione);
}

bool GeneraMol(Modulo2 &stato, Servizi &servizi)
{
    return genera(stato, servizi, operazioni::moltiplicazione);
}
