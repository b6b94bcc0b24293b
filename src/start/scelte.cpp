#include "scelte.h"

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

int numeroObiettivo(const QString &descrizione)
{
    for (std::size_t i = 0; i < obiettivi.size(); ++i) {
        if (descrizione == QString::fromUtf8(obiettivi[i].descrizione))
            return static_cast<int>(i) + 1;
    }
    return 0;
}
