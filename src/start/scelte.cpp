#include "scelte.h"

#include "exercise/generatore.h"

namespace {
// Where the operation of the settings file stands, when the exercise window
// does not train it; 4 to 7 are the worksheet window's own operations.
QString operazioneDelFile(int operazione, const QString &fileLivelli)
{
    const QString perche = operazione >= 4 && operazione <= 7
                               ? QStringLiteral("serve solo per le schede del menu \"Stampa schede\".")
                               : QStringLiteral("non esiste.");
    return QStringLiteral("L'operazione %1 scritta in %2 %3").arg(operazione).arg(fileLivelli, perche);
}
} // namespace

QString descrizioneLivello(int minimo, int massimo)
{
    return QStringLiteral("NUMERO MASSIMO da  %1 a %2").arg(minimo).arg(massimo);
}

QString scegliObiettivo(Modulo2 &stato, int indice)
{
    const Obiettivo &o = obiettivi.at(static_cast<std::size_t>(indice));
    stato.DescrizioneObiettivo = QString::fromUtf8(o.descrizione);
    stato.TipoDa = o.tipoDa;
    stato.TipoA = o.tipoA;
    return QString::fromUtf8(o.prefisso) + stato.DescrizioneObiettivo;
}

QString scegliLivello(Modulo2 &stato, int indice)
{
    const LivelloScelto &l = livelli.at(static_cast<std::size_t>(indice));
    stato.NumeroMin = l.minimo;
    stato.NumeroMax = l.massimo;
    stato.Livello = l.livello;
    stato.DescrizioneLivello = descrizioneLivello(l.minimo, l.massimo);
    return QString::fromUtf8(l.testoLivello) + stato.DescrizioneLivello;
}

Modulo2::int16 gruppoSeguente(Modulo2::int16 gruppo)
{
    const int seguente = gruppo + 1;
    return static_cast<Modulo2::int16>(seguente >= 3 ? 1 : seguente);
}

QString avvisoOperazione(int operazione, const QString &fileLivelli)
{
    if (!segnoOperazione(operazione).isEmpty())
        return {};
    return operazioneDelFile(operazione, fileLivelli) +
           QStringLiteral("\n\nGli esercizi si fanno con l'operazione 1 (addizione), 2 (sottrazione) "
                          "o 3 (moltiplicazione).");
}

QString avvisoEsempi(int operazione, const QString &fileLivelli)
{
    if (!segnoOperazione(operazione).isEmpty())
        return {};
    return QStringLiteral("Gli esempi sono per l'addizione, la sottrazione e la moltiplicazione "
                          "(operazioni 1, 2 e 3).\n\n") +
           operazioneDelFile(operazione, fileLivelli);
}

int numeroObiettivo(const QString &descrizione)
{
    for (std::size_t i = 0; i < obiettivi.size(); ++i) {
        if (descrizione == QString::fromUtf8(obiettivi[i].descrizione))
            return static_cast<int>(i) + 1;
    }
    return 0;
}
