#include "valutazione.h"

#include <cmath>

int Punteggio(int esatte, int operazioni)
{
    if (operazioni == 0)
        return 0;
    const double quoto = static_cast<double>(10 * esatte) / operazioni;
    return static_cast<int>(std::floor(quoto));
}

QString ValutazioneDaPunteggio(int punteggio)
{
    for (const auto &fascia : valutazione::fasce) {
        if (punteggio >= fascia.punteggioMinimo)
            return fascia.voto;
    }
    return valutazione::nonClassificato;
}

QString rigaPunteggio(int esatte, int operazioni)
{
    return QStringLiteral("con ") + QString::number(esatte) + QStringLiteral(" risposte esatte su ")
           + QString::number(operazioni) + QStringLiteral(" richieste");
}

StatoStampaAttestato statoStampaAttestato(int operazioni, const QString &voto)
{
    StatoStampaAttestato stato;
    stato.didascalia = QStringLiteral("STAMPA L'ATTESTATO");
    if (operazioni < valutazione::minimoOperazioni) {
        // Two line breaks between the pieces, as the notice is laid out.
        stato.avviso = QStringLiteral("Per stampare un attestato \n\nè necessario eseguire \n\nalmeno 10 operazioni. ");
        stato.abilitato = false;
    }
    if (voto == valutazione::nonClassificato) {
        stato.didascalia = QStringLiteral("ATTESTATO NON STAMPABILE");
        stato.abilitato = false;
    }
    return stato;
}
