#include "registroserie.h"

#include "frame/orologio.h"

#include <cmath>

void RegistroSerie::inizia(const Modulo2 &stato, const Orologio &orologio)
{
    termina(orologio);
    SerieRegistrata serie;
    serie.data = orologio.oggi();
    serie.obiettivo = stato.DescrizioneObiettivo;
    serie.livello = stato.Livello;
    m_serie.push_back(serie);
    aggiorna(stato);
}

void RegistroSerie::aggiorna(const Modulo2 &stato)
{
    if (!inCorso())
        return;
    SerieRegistrata &serie = m_serie.back();
    serie.operazioni = stato.NumeroOperazioni;
    serie.esatte = stato.RisposteEsatte;
    serie.secondi = static_cast<long long>(std::floor(stato.TempoTotale.value_or(0.0)));
}

void RegistroSerie::termina(const Orologio &orologio)
{
    if (!inCorso())
        return;
    if (m_serie.back().operazioni == 0) {
        m_serie.pop_back();
        return;
    }
    m_serie.back().fine = orologio.secondiDallaMezzanotte();
}

RegistroSerie &registroSerie()
{
    static RegistroSerie registro;
    return registro;
}
