#include "elencoserie.h"

#include "frame/orologio.h"
#include "printing/valutazione.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTime>

#include <cmath>

namespace {

constexpr QChar separatore = QLatin1Char(';');
const QString fineRiga = QStringLiteral("\r\n");

QString campoCsv(const QString &testo)
{
    const bool daRacchiudere = testo.contains(separatore) || testo.contains(QLatin1Char('"')) ||
                               testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'));
    if (!daRacchiudere)
        return testo;
    QString doppie = testo;
    doppie.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doppie + QLatin1Char('"');
}

QString rigaCsv(const QStringList &campi)
{
    QStringList racchiusi;
    for (const QString &campo : campi)
        racchiusi.append(campoCsv(campo));
    return racchiusi.join(separatore) + fineRiga;
}

} // namespace

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

QString fileCsvProposto()
{
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString cartella = !documenti.isEmpty() && QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
    return QDir(cartella).filePath(QStringLiteral("serie.csv"));
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
    return QByteArrayLiteral("\xEF\xBB\xBF") + testoCsv(serie).toUtf8();
}
