#include "elencoserie.h"

#include "frame/filecsv.h"
#include "frame/orologio.h"
#include "printing/valutazione.h"

#include <QTime>

#include <cmath>

QStringList intestazioniSerie()
{
    return {QStringLiteral("Data"),       QStringLiteral("Ora di fine"),
            QStringLiteral("Obiettivo"),  QStringLiteral("Livello"),
            QStringLiteral("Operazioni"), QStringLiteral("Risposte esatte"),
            QStringLiteral("Secondi"),    QStringLiteral("Valutazione"),
            QStringLiteral("Note")};
}

QString oraDelGiorno(double secondi)
{
    const int interi = static_cast<int>(std::floor(secondi)) % secondiPerGiorno;
    return QTime(0, 0).addSecs(interi).toString(QStringLiteral("HH:mm:ss"));
}

QStringList rigaSerie(const SerieRegistrata &serie)
{
    return {dataBreve(serie.data),
            serie.fine ? oraDelGiorno(*serie.fine) : QStringLiteral("in corso"),
            serie.obiettivo,
            QString::number(serie.livello),
            QString::number(serie.operazioni),
            QString::number(serie.esatte),
            QString::number(serie.secondi),
            ValutazioneDaPunteggio(Punteggio(serie.esatte, serie.operazioni)),
            serie.operazioni < valutazione::minimoOperazioni
                ? QStringLiteral("Nessun attestato: meno di %1 operazioni").arg(valutazione::minimoOperazioni)
                : QString()};
}

QString testoCsv(const std::vector<SerieRegistrata> &serie)
{
    QString testo = rigaCsv(intestazioniSerie());
    for (const SerieRegistrata &s : serie)
        testo += rigaCsv(rigaSerie(s));
    return testo;
}

QByteArray contenutoFileCsv(const std::vector<SerieRegistrata> &serie)
{
    return contenutoCsv(testoCsv(serie));
}
