#include "eliminazione.h"

#include "frame/orologio.h"

namespace {

QString perSempre(int quante)
{
    return quante == 1 ? QStringLiteral(" Sarà cancellata per sempre dal registro.")
                       : QStringLiteral(" Saranno cancellate per sempre dal registro.");
}

QString quanteSerie(int quante)
{
    return quante == 1 ? QStringLiteral("l'unica serie") : QStringLiteral("le %1 serie").arg(quante);
}

} // namespace

QStringList serieDellAlunno(const std::vector<SerieRegistro> &serie, const SerieRegistro &scelta)
{
    if (scelta.chiaveAlunno.isEmpty())
        return {scelta.id};
    QStringList id;
    for (const SerieRegistro &s : serie) {
        if (s.chiaveAlunno == scelta.chiaveAlunno)
            id << s.id;
    }
    return id;
}

QStringList serieFinoAl(const std::vector<SerieRegistro> &serie, const QDate &giorno)
{
    QStringList id;
    for (const SerieRegistro &s : serie) {
        if (s.inizio.date() <= giorno)
            id << s.id;
    }
    return id;
}

QString domandaEliminaAlunno(const SerieRegistro &scelta, int quante)
{
    if (scelta.alunno.isEmpty())
        return QStringLiteral("Eliminare la serie senza nome del %1 alle %2?")
                   .arg(testoColonna(scelta, Colonna::data), testoColonna(scelta, Colonna::ora))
               + perSempre(1);
    return QStringLiteral("Eliminare %1 di %2?").arg(quanteSerie(quante), scelta.alunno) + perSempre(quante);
}

QString domandaEliminaFinoAl(const QDate &giorno, int quante)
{
    return QStringLiteral("Eliminare %1%2 fino al %3 compreso?")
               .arg(quante == 1 ? QString() : QStringLiteral("tutte "), quanteSerie(quante), dataBreve(giorno))
           + perSempre(quante);
}

QDate fineAnnoScolastico(const QDate &oggi)
{
    const QDate questAnno(oggi.year(), 8, 31);
    return questAnno < oggi ? questAnno : QDate(oggi.year() - 1, 8, 31);
}
