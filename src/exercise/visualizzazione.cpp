#include "visualizzazione.h"

#include "exercise/generatore.h"
#include "frame/casuale.h"
#include "frame/orologio.h"
#include "frame/servizi.h"

namespace {

constexpr int indice(Posto posto)
{
    return static_cast<int>(posto);
}

// The unknown's place in the log: a number becomes four characters of dots, the
// result takes the equals sign with it.
const QString puntiNumero = QStringLiteral(" ...");
const QString puntiRisultato = QStringLiteral(" = ... ");
const QString uguale = QStringLiteral(" = ");
const QString chiusura = QStringLiteral("   R.");

} // namespace

std::optional<Posto> postoIncognita(int tipoDomanda)
{
    switch (tipoDomanda) {
    case 1:
        return Posto::risultato;
    case 2:
        return Posto::primo;
    case 3:
        return Posto::secondo;
    case 4:
        return Posto::terzo;
    default:
        return std::nullopt;
    }
}

int scegliTipoDomanda(int livello, Casuale &casuale)
{
    switch (livello) {
    case 1:
        return 1;
    case 2:
        return casuale.intero(2, 4);
    case 3:
    case 4:
        return casuale.intero(1, 4);
    default:
        return 0;
    }
}

std::array<int, numeroPosti> valoriRiga(const Modulo2 &stato, int operazione, int tipoDomanda)
{
    const int t1 = stato.Termine1;
    const int t2 = stato.Termine2;
    const int t3 = stato.Termine3;
    switch (operazione) {
    case operazioni::addizione:
        return {t1, t2, t3, t1 + t2 + t3};
    case operazioni::sottrazione:
        if (postoIncognita(tipoDomanda) == Posto::secondo)
            return {t1 + t2 + t3, t1, t3, t2};
        return {t1 + t2 + t3, t2, t3, t1};
    case operazioni::moltiplicazione:
        return {t1, t2, t3, t1 * t2 * t3};
    default:
        return {};
    }
}

QString campoElenco(int numero)
{
    const QString testo = testoNumero(numero);
    return calcolaSpazi(testo, QString()) + testo;
}

QString rigaElenco(const std::array<int, numeroPosti> &valori, int operazione, int tipoDomanda)
{
    const auto incognita = postoIncognita(tipoDomanda);
    const auto campo = [&](Posto posto) {
        return posto == incognita ? puntiNumero : campoElenco(valori[indice(posto)]);
    };
    const QString segno = QLatin1Char(' ') + segnoOperazione(operazione) + QLatin1Char(' ');
    const QString fine =
        incognita == Posto::risultato ? puntiRisultato : uguale + campoElenco(valori[indice(Posto::risultato)]);
    return campo(Posto::primo) + segno + campo(Posto::secondo) + segno + campo(Posto::terzo) + fine + chiusura;
}

RigaMostrata SubVisualizza(Modulo2 &stato, int operazione, int tipoDomanda)
{
    RigaMostrata riga{valoriRiga(stato, operazione, tipoDomanda), tipoDomanda};
    stato.TipoDomanda = static_cast<Modulo2::int16>(tipoDomanda);
    if (const auto posto = postoIncognita(tipoDomanda))
        stato.Incognita = static_cast<Modulo2::int16>(riga.valori[indice(*posto)]);
    stato.ElencoOperazioni.imposta(stato.NumeroOperazioni, rigaElenco(riga.valori, operazione, tipoDomanda));
    return riga;
}

std::optional<RigaMostrata> Visualizza(Modulo2 &stato, Servizi &servizi, int operazione)
{
    const int tipoDomanda = scegliTipoDomanda(stato.Livello, servizi.casuale);
    if (!postoIncognita(tipoDomanda))
        return std::nullopt;
    return VisualizzaIncognita(stato, *servizi.orologio, operazione, tipoDomanda);
}

RigaMostrata VisualizzaIncognita(Modulo2 &stato, const Orologio &orologio, int operazione, int tipoDomanda)
{
    const RigaMostrata riga = SubVisualizza(stato, operazione, tipoDomanda);
    stato.TestoIncognita = testoNumero(stato.Incognita);
    stato.SpaziIncognita = calcolaSpazi(stato.TestoIncognita, stato.SpaziIncognita);
    stato.InizioOperazione = orologio.secondiDallaMezzanotte();
    return riga;
}

std::optional<RigaMostrata> GeneraOperazione(Modulo2 &stato, Servizi &servizi)
{
    bool generata = false;
    switch (stato.Operazione) {
    case operazioni::addizione:
        generata = GeneraAdd(stato, servizi);
        break;
    case operazioni::sottrazione:
        generata = GeneraSot(stato, servizi);
        break;
    case operazioni::moltiplicazione:
        generata = GeneraMol(stato, servizi);
        break;
    default:
        break;
    }
    if (!generata)
        return std::nullopt;
    return Visualizza(stato, servizi, stato.Operazione);
}
