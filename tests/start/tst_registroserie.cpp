// The record of the series since the program started, its rows and its CSV file.
#include "frame/modulo2.h"
#include "start/elencoserie.h"
#include "start/registroserie.h"
#include "support/orologiofinto.h"
#include "support/tabella.h"

#include <QtTest>

namespace {

// Runs the events on a fresh record and returns its rows, one line each with
// "|" between the fields. Events: "I<obiettivo>/<livello>" a series begins,
// "G<operazioni>/<esatte>/<secondi>" an answer is judged, "F" the series ends,
// "T<secondi>" the clock moves on.
QString righeDopo(const QString &eventi)
{
    RegistroSerie registro;
    Modulo2 stato;
    OrologioFinto orologio;
    for (const QString &evento : eventi.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parti = evento.mid(1).split(QLatin1Char('/'));
        const QChar tipo = evento.at(0);
        if (tipo == QLatin1Char('I')) {
            stato = Modulo2{};
            stato.DescrizioneObiettivo = parti.at(0);
            stato.Livello = static_cast<Modulo2::int16>(parti.at(1).toInt());
            registro.inizia(stato, orologio);
        } else if (tipo == QLatin1Char('G')) {
            stato.NumeroOperazioni = static_cast<Modulo2::int16>(parti.at(0).toInt());
            stato.RisposteEsatte = static_cast<Modulo2::int16>(parti.at(1).toInt());
            stato.TempoTotale = parti.at(2).toDouble();
            registro.aggiorna(stato);
        } else if (tipo == QLatin1Char('F')) {
            registro.termina(orologio);
        } else {
            orologio.avanza(parti.at(0).toFloat());
        }
    }
    QStringList righe;
    for (const SerieRegistrata &serie : registro.serie())
        righe.append(rigaSerie(serie).join(QLatin1Char('|')));
    return righe.join(QLatin1Char('\n'));
}

// The events run and the rows they leave. The clock starts at 36000 s (10:00:00) on 05/12/2026.
struct Registro { const char *nome, *eventi, *atteso; };
constexpr Registro registri[] = {
    {"finished: ends at its end, whole seconds", "IA/2 T95 G1/1/5 T400 G20/17/312.9 F T30",
     "05/12/2026|10:08:15|A|2|20|17|312|DISTINTO"},
    {"a new series ends the one under way", "IA/1 G4/2/20 T70 IB/2",
     "05/12/2026|10:01:10|A|1|4|2|20|SUFFICIENTE (!)\n05/12/2026|in corso|B|2|0|0|0|Non classificato"},
    {"afternoon end: 24 hours, fraction dropped", "IA/4 G10/5/33 T12630.9 F",
     "05/12/2026|13:30:30|A|4|10|5|33|SUFFICIENTE (!)"},
    {"left before any answer: dropped", "IA/1 T10 F", ""},
    {"ending twice keeps the first end", "IA/1 G1/1/1 F T60 F", "05/12/2026|10:00:00|A|1|1|1|1|OTTIMO"},
    {"answers after the end change nothing", "IA/1 G2/1/8 F G20/20/90", "05/12/2026|10:00:00|A|1|2|1|8|SUFFICIENTE (!)"},
};
} // namespace

class TstRegistroSerie final : public QObject
{
    Q_OBJECT

private slots:
    void serie_data() { righeDa(registri); }
    void serie()
    {
        const Registro &r = rigaDi(registri);
        QCOMPARE(righeDopo(QLatin1String(r.eventi)), QLatin1String(r.atteso));
    }

    // The file's bytes: a byte order mark, the headings, one line per series;
    // accented letters in UTF-8, a field with a semicolon or a quote quoted,
    // its quotes doubled.
    void csv()
    {
        const SerieRegistrata serie{QDate(2026, 12, 5), QStringLiteral("UNITÀ; \"PIÙ\""), 3, 20, 11, 245, 36061.5};
        const QString testo = QStringLiteral("Data;Ora di fine;Obiettivo;Livello;Operazioni;Risposte esatte;"
                                             "Secondi;Valutazione\r\n05/12/2026;10:01:01;"
                                             "\"UNITÀ; \"\"PIÙ\"\"\";3;20;11;245;SUFFICIENTE (!)\r\n");
        QCOMPARE(contenutoFileCsv({serie}), QByteArray("\xEF\xBB\xBF") + testo.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TstRegistroSerie)
#include "tst_registroserie.moc"
