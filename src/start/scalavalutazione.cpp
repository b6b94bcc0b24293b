#include "scalavalutazione.h"

#include "printing/valutazione.h"

namespace {

// A score of n stands for n tenths of the answers right.
QString percentuale(int punteggio)
{
    return QString::number(punteggio * 10) + QLatin1Char('%');
}

QString intervallo(int minimo, int massimo)
{
    if (minimo == massimo)
        return QString::number(minimo);
    return QString::number(minimo) + QStringLiteral(" - ") + QString::number(massimo);
}

} // namespace

std::vector<RigaScala> righeScala()
{
    const auto &fasce = valutazione::fasce;
    std::vector<RigaScala> righe;
    for (std::size_t i = 0; i < fasce.size(); ++i) {
        const int minimo = fasce[i].punteggioMinimo;
        // The best grade reaches the top score; every other one stops just
        // under the grade above it.
        const bool migliore = i == 0;
        const int massimo = migliore ? valutazione::punteggioMassimo : fasce[i - 1].punteggioMinimo - 1;
        QString quota;
        if (migliore)
            quota = percentuale(minimo) + QStringLiteral(" o più");
        else if (minimo == 0)
            quota = QStringLiteral("meno di ") + percentuale(massimo + 1);
        else
            quota = QStringLiteral("da ") + percentuale(minimo) + QStringLiteral(" a meno di ") +
                    percentuale(massimo + 1);
        righe.push_back({fasce[i].voto, intervallo(minimo, massimo), quota});
    }
    return righe;
}

QString regoleValutazione()
{
    return QStringLiteral("Punteggio: risposte esatte x %1 : operazioni eseguite, arrotondato per difetto "
                          "(8,5 vale 8).\n\n"
                          "L'attestato si stampa con almeno %2 operazioni e una valutazione "
                          "diversa da \"%3\".")
        .arg(valutazione::punteggioMassimo)
        .arg(valutazione::minimoOperazioni)
        .arg(valutazione::nonClassificato);
}
