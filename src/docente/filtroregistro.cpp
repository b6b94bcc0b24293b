#include "filtroregistro.h"

QString chiaveRicerca(const QString &testo)
{
    // Compatibility decomposition splits "ò" into "o" and its accent, a mark of its own.
    const QString scomposto = testo.normalized(QString::NormalizationForm_KD);
    QString chiave;
    chiave.reserve(scomposto.size());
    for (const QChar c : scomposto) {
        if (c.category() != QChar::Mark_NonSpacing)
            chiave.append(c);
    }
    return chiave.toCaseFolded();
}

bool corrisponde(const SerieRegistro &serie, const FiltroRegistro &filtro)
{
    const QDate giorno = serie.inizio.date();
    return (filtro.chiaveAlunno.isEmpty() || serie.chiaveAlunno.contains(filtro.chiaveAlunno))
           && (filtro.dal.isNull() || giorno >= filtro.dal) && (filtro.al.isNull() || giorno <= filtro.al)
           && (filtro.computer.isEmpty() || serie.computer == filtro.computer)
           && (filtro.operazione == 0 || serie.operazione == filtro.operazione);
}
