#include "serieregistro.h"

#include "frame/orologio.h"
#include "printing/valutazione.h"

#include <tuple>

namespace {

// The score a series' grade stands for; -1 for a series too short to be graded.
int punteggioGiudizio(const SerieRegistro &serie)
{
    return serie.operazioni >= valutazione::minimoOperazioni ? Punteggio(serie.esatte, serie.operazioni) : -1;
}

QString dueCifre(long long numero)
{
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList intestazioniRegistro()
{
    return {QStringLiteral("Data"),       QStringLiteral("Ora"),       QStringLiteral("Alunno"),
            QStringLiteral("Computer"),   QStringLiteral("Operazione"), QStringLiteral("Obiettivo"),
            QStringLiteral("Livello"),    QStringLiteral("Esatte"),    QStringLiteral("Operazioni"),
            QStringLiteral("Giudizio"),   QStringLiteral("Tempo totale")};
}

QString nomeOperazione(int operazione)
{
    switch (operazione) {
    case 1:
        return QStringLiteral("Addizione");
    case 2:
        return QStringLiteral("Sottrazione");
    case 3:
        return QStringLiteral("Moltiplicazione");
    default:
        return QString();
    }
}

QString giudizio(const SerieRegistro &serie)
{
    const int punteggio = punteggioGiudizio(serie);
    return punteggio < 0 ? QString() : ValutazioneDaPunteggio(punteggio);
}

QString testoDurata(long long secondi)
{
    const long long ore = secondi / 3600;
    const long long minuti = secondi / 60 % 60;
    const long long resto = secondi % 60;
    if (ore > 0)
        return QStringLiteral("%1 h %2 min %3 s").arg(ore).arg(dueCifre(minuti), dueCifre(resto));
    if (minuti > 0)
        return QStringLiteral("%1 min %2 s").arg(minuti).arg(dueCifre(resto));
    return QStringLiteral("%1 s").arg(resto);
}

QString testoColonna(const SerieRegistro &serie, Colonna colonna)
{
    switch (colonna) {
    case Colonna::data:
        return dataBreve(serie.inizio.date());
    case Colonna::ora:
        return serie.inizio.time().toString(QStringLiteral("HH:mm"));
    case Colonna::alunno:
        return serie.alunno.isEmpty() ? alunnoSenzaNome : serie.alunno;
    case Colonna::computer:
        return serie.computer;
    case Colonna::operazione:
        return nomeOperazione(serie.operazione);
    case Colonna::obiettivo:
        return serie.obiettivo > 0 ? QStringLiteral("%1. %2").arg(serie.obiettivo).arg(serie.descrizioneObiettivo)
                                   : serie.descrizioneObiettivo;
    case Colonna::livello:
        return QString::number(serie.livello);
    case Colonna::esatte:
        return QString::number(serie.esatte);
    case Colonna::operazioni:
        return QString::number(serie.operazioni);
    case Colonna::giudizio:
        return giudizio(serie);
    case Colonna::tempoTotale:
        return testoDurata(serie.secondi);
    }
    return QString();
}

QStringList rigaRegistro(const SerieRegistro &serie)
{
    QStringList riga;
    for (int c = 0; c < numeroColonne; ++c)
        riga << testoColonna(serie, static_cast<Colonna>(c));
    return riga;
}

bool precede(const SerieRegistro &a, const SerieRegistro &b, Colonna colonna)
{
    const auto perColonna = [colonna](const SerieRegistro &s) {
        // Each column's own value first, the moment after it; only one value is used per column.
        qint64 numero = 0;
        QString testo;
        switch (colonna) {
        case Colonna::data:
            break;
        case Colonna::ora:
            numero = s.inizio.time().msecsSinceStartOfDay();
            break;
        case Colonna::alunno:
            testo = s.chiaveAlunno;
            break;
        case Colonna::computer:
            testo = s.computer;
            break;
        case Colonna::operazione:
            numero = s.operazione;
            break;
        case Colonna::obiettivo:
            numero = s.obiettivo;
            break;
        case Colonna::livello:
            numero = s.livello;
            break;
        case Colonna::esatte:
            numero = s.esatte;
            break;
        case Colonna::operazioni:
            numero = s.operazioni;
            break;
        case Colonna::giudizio:
            numero = punteggioGiudizio(s);
            break;
        case Colonna::tempoTotale:
            numero = s.secondi;
            break;
        }
        return std::make_tuple(numero, testo, s.inizio);
    };
    return perColonna(a) < perColonna(b);
}
