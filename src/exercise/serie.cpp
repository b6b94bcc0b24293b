#include "serie.h"

#include "exercise/generatore.h"
#include "frame/orologio.h"

#include <cmath>

void azzeraSerie(Modulo2 &stato)
{
    stato.NumeroEsercizio = 0;
    stato.NumeroOperazioni = 0;
    stato.NumeroOperazione = 0;
    stato.RisposteEsatte = 0;
    stato.NumeroEsatte = 0;
    stato.NumeroErrate = 0;
    stato.Tentativi = 0;
    stato.TempoTotale = 0.0;
    stato.TempoParziale = 0.0;
    for (stato.Indice = 1; stato.Indice <= operazioniPerSerie; ++stato.Indice)
        stato.ElencoOperazioni.imposta(stato.Indice, QString());
}

void iniziaEsercizio(Modulo2 &stato)
{
    ++stato.NumeroEsercizio;
    stato.TempoTotale = 0.0;
    stato.TempiEsercizi.imposta(stato.NumeroEsercizio, QString());
}

void avanzaOperazione(Modulo2 &stato)
{
    stato.Risposta.clear();
    ++stato.NumeroOperazione;
    ++stato.NumeroOperazioni;
}

void CalcolaTempi(Modulo2 &stato, const Orologio &orologio)
{
    const float fine = orologio.secondiDallaMezzanotte();
    stato.FineOperazione = fine;
    double trascorsi = static_cast<double>(fine) - stato.InizioOperazione.value_or(fine);
    // The clock starts again from 0 at midnight.
    if (trascorsi < 0)
        trascorsi += secondiPerGiorno;
    const double parziale = std::floor(trascorsi);
    stato.TempoParziale = parziale;
    stato.TestoTempoParziale = testoNumero(static_cast<long long>(parziale));
    const double totale = parziale + stato.TempoTotale.value_or(0.0);
    stato.TempoTotale = totale;
    stato.TempiEsercizi.imposta(stato.NumeroEsercizio, testoNumero(static_cast<long long>(totale)));
}

QString testoTempoParziale(const Modulo2 &stato)
{
    if (stato.TempoParziale.value_or(0.0) > tempoParzialeMostrabile)
        return QString::number(tempoParzialeMostrabile);
    return stato.TestoTempoParziale;
}

QString testoTempoTotale(const Modulo2 &stato)
{
    if (stato.TempoTotale.value_or(0.0) > tempoTotaleMostrabile)
        return QString::number(tempoTotaleMostrabile);
    return stato.TempiEsercizi.valore(stato.NumeroEsercizio);
}

QString testoSecondi(const Modulo2::Numero &secondi)
{
    return secondi ? QString::number(static_cast<long long>(*secondi)) : QString();
}

bool serieCompleta(const Modulo2 &stato)
{
    return stato.NumeroOperazioni >= operazioniPerSerie;
}
