#include "risposta.h"

namespace {

const QString segnoEsatto = QStringLiteral("  ");
const QString segnoErrato = QStringLiteral("* ");
const QString segnoCorrezione = QStringLiteral(u"\u00B0 ");

void aggiungiAllaRiga(Modulo2 &stato, const QString &testo)
{
    const int riga = stato.NumeroOperazioni;
    stato.ElencoOperazioni.imposta(riga, stato.ElencoOperazioni.valore(riga) + testo);
}

} // namespace

QString conCifra(const QString &risposta, bool daCapo, int cifra)
{
    const QString prima = daCapo || risposta == rispostaVuota ? QString() : risposta;
    return (prima + QString::number(cifra)).left(cifreRisposta);
}

QString senzaUltimo(const QString &risposta)
{
    const QString resto = risposta.chopped(risposta.isEmpty() ? 0 : 1);
    return resto.isEmpty() ? rispostaVuota : resto;
}

bool rispostaEsatta(const Modulo2 &stato)
{
    // With no operation drawn TestoIncognita is empty too: an empty answer
    // must not match it.
    const QString risposta = stato.Risposta.trimmed();
    return !risposta.isEmpty() && risposta != rispostaVuota && risposta == stato.TestoIncognita.trimmed();
}

bool VerificaRisposta(Modulo2 &stato)
{
    const bool esatta = rispostaEsatta(stato);
    if (esatta) {
        ++stato.NumeroEsatte;
        ++stato.RisposteEsatte;
        stato.SegnoEsito = segnoEsatto;
    } else {
        ++stato.NumeroErrate;
        stato.SegnoEsito = segnoErrato;
    }
    aggiungiAllaRiga(stato, stato.Risposta + stato.SegnoEsito);
    return esatta;
}

void registraCorrezione(Modulo2 &stato)
{
    aggiungiAllaRiga(stato, stato.TestoIncognita + segnoCorrezione);
}

bool rifiutaAiuto(Modulo2 &stato)
{
    ++stato.Tentativi;
    if (stato.Tentativi < rifiutiPrimaDellIntervento)
        return false;
    stato.Tentativi = 0;
    return true;
}
