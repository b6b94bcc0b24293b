#include "serieincorso.h"

#include "exercise/visualizzazione.h"
#include "printing/valutazione.h"
#include "start/scelte.h"

#include <cmath>

namespace {

long long secondiInteri(const Modulo2::Numero &secondi)
{
    return static_cast<long long>(std::floor(secondi.value_or(0.0)));
}

// The operation of the current log line, as drawn and shown.
DatiOperazione operazioneMostrata(const Modulo2 &stato)
{
    DatiOperazione operazione;
    operazione.indice = stato.NumeroOperazioni;
    operazione.riga = stato.ElencoOperazioni.valore(operazione.indice);
    operazione.valori = valoriRiga(stato, stato.Operazione, stato.TipoDomanda);
    operazione.tipoDomanda = stato.TipoDomanda;
    operazione.incognita = stato.Incognita;
    return operazione;
}

} // namespace

void SerieInCorso::inizia(const Modulo2 &stato, const QDateTime &adesso)
{
    m_serie = DatiSerie{};
    m_serie.id = QUuid::createUuid();
    m_serie.inizio = adesso;
    m_serie.programma = stato.NomeProgramma;
    m_serie.operazione = stato.Operazione;
    m_serie.obiettivo = numeroObiettivo(stato.DescrizioneObiettivo);
    m_serie.descrizioneObiettivo = stato.DescrizioneObiettivo;
    m_serie.livello = stato.Livello;
    m_serie.descrizioneLivello = stato.DescrizioneLivello;
    m_operazione.reset();
    m_inCorso = true;
}

std::optional<Scrittura> SerieInCorso::giudicata(const Modulo2 &stato, const QDateTime &adesso, bool esatta)
{
    if (!m_inCorso)
        return std::nullopt;
    if (!m_operazione || m_operazione->indice != stato.NumeroOperazioni)
        m_operazione = operazioneMostrata(stato);
    DatiRisposta risposta;
    risposta.numero = static_cast<int>(m_operazione->risposte.size()) + 1;
    risposta.testo = stato.Risposta;
    risposta.esatta = esatta;
    risposta.secondi = secondiInteri(stato.TempoParziale);
    risposta.quando = adesso;
    m_operazione->risposte.push_back(risposta);
    return istantanea(stato);
}

std::optional<Scrittura> SerieInCorso::aiutoRifiutato(const Modulo2 &stato, bool intervento)
{
    if (!m_inCorso || !m_operazione)
        return std::nullopt;
    m_operazione->risposte.back().aiuto = Aiuto::rifiutato;
    m_operazione->intervento = m_operazione->intervento || intervento;
    return istantanea(stato);
}

std::optional<Scrittura> SerieInCorso::correzione(const Modulo2 &stato)
{
    if (!m_inCorso || !m_operazione)
        return std::nullopt;
    if (!m_operazione->intervento)
        m_operazione->risposte.back().aiuto = Aiuto::accettato;
    return istantanea(stato);
}

std::optional<Scrittura> SerieInCorso::termina(const Modulo2 &stato, const QDateTime &adesso, FineSerie come)
{
    if (!m_inCorso)
        return std::nullopt;
    m_inCorso = false;
    if (!m_operazione)
        return std::nullopt;
    Scrittura scrittura = istantanea(stato);
    scrittura.serie->fine = adesso;
    scrittura.serie->esito = come;
    if (stato.NumeroOperazioni > m_operazione->indice)
        scrittura.operazioni.push_back(operazioneMostrata(stato));
    return scrittura;
}

Scrittura SerieInCorso::istantanea(const Modulo2 &stato)
{
    m_serie.operazioni = stato.NumeroOperazioni;
    m_serie.numeroEsatte = stato.NumeroEsatte;
    m_serie.numeroErrate = stato.NumeroErrate;
    m_serie.risposteEsatte = stato.RisposteEsatte;
    m_serie.secondi = secondiInteri(stato.TempoTotale);
    m_serie.valutazione = stato.NumeroOperazioni >= valutazione::minimoOperazioni
                              ? ValutazioneDaPunteggio(Punteggio(stato.RisposteEsatte, stato.NumeroOperazioni))
                              : QString();
    m_operazione->riga = stato.ElencoOperazioni.valore(m_operazione->indice);
    m_operazione->secondi = secondiInteri(stato.TempoParziale);
    Scrittura scrittura;
    scrittura.serie = m_serie;
    scrittura.operazioni.push_back(*m_operazione);
    return scrittura;
}
