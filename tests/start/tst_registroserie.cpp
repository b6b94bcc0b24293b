// The record of the series since the program started, its rows and its CSV text.
#include "frame/modulo2.h"
#include "start/elencoserie.h"
#include "start/leggicsv.h"
#include "start/registroserie.h"
#include "support/orologiofinto.h"

#include <QtTest>

namespace {

// Event tokens: "I<obiettivo>/<livello>" a series begins, "G<operazioni>/<esatte>/<secondi>" an
// answer judged, "F" the series ends, "T<secondi>" the clock moves on.
void esegui(RegistroSerie &registro, Modulo2 &stato, OrologioFinto &orologio, const QString &eventi)
{
    for (const QString &evento : eventi.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parti = evento.mid(1).split(QLatin1Char('/'));
        switch (evento.at(0).toLatin1()) {
        case 'I':
            stato.DescrizioneObiettivo = parti.at(0);
            stato.Livello = static_cast<Modulo2::int16>(parti.at(1).toInt());
            stato.NumeroOperazioni = 0;
            stato.RisposteEsatte = 0;
            stato.TempoTotale = 0.0;
            registro.inizia(stato, orologio);
            break;
        case 'G':
            stato.NumeroOperazioni = static_cast<Modulo2::int16>(parti.at(0).toInt());
            stato.RisposteEsatte = static_cast<Modulo2::int16>(parti.at(1).toInt());
            stato.TempoTotale = parti.at(2).toDouble();
            registro.aggiorna(stato);
            break;
        case 'F':
            registro.termina(orologio);
            break;
        case 'T':
            orologio.avanza(parti.at(0).toFloat());
            break;
        default:
            QFAIL("unknown event");
        }
    }
}

QString righe(const RegistroSerie &registro)
{
    QStringList testo;
    for (const SerieRegistrata &serie : registro.serie())
        testo.append(rigaSerie(serie).join(QLatin1Char('|')));
    return testo.join(QLatin1Char('\n'));
}

} // namespace

class TstRegistroSerie final : public QObject
{
    Q_OBJECT

private slots:
    void serie_data()
    {
        QTest::addColumn<QString>("eventi");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<bool>("inCorso");

        // The clock starts at 36000 s (10:00:00) on 05/12/2026.
        QTest::newRow("none") << "" << "" << false;
        QTest::newRow("under way, no answer yet")
            << "IOB/1" << "05/12/2026|in corso|OB|1|0|0|0|Non classificato" << true;
        QTest::newRow("finished: 20 with 17 right, ends at the last answer")
            << "IOB/2 T95 G1/1/5 T400 G20/17/312 F T30"
            << "05/12/2026|10:08:15|OB|2|20|17|312|DISTINTO" << false;
        QTest::newRow("restarted: the finished one stays, the new one is under way")
            << "IA/1 G20/18/100 T60 F T5 IB/3 G3/3/12.9"
            << "05/12/2026|10:01:00|A|1|20|18|100|OTTIMO\n05/12/2026|in corso|B|3|3|3|12|OTTIMO" << true;
        QTest::newRow("a new series ends the one under way at that moment")
            << "IA/1 G4/2/20 T70 IB/2"
            << "05/12/2026|10:01:10|A|1|4|2|20|SUFFICIENTE (!)\n05/12/2026|in corso|B|2|0|0|0|Non classificato"
            << true;
        QTest::newRow("left half-way: ends when left")
            << "IA/4 G10/5/33 T3600 F" << "05/12/2026|11:00:00|A|4|10|5|33|SUFFICIENTE (!)" << false;
        QTest::newRow("left before any answer: dropped") << "IA/1 T10 F" << "" << false;
        QTest::newRow("ending twice keeps the first end") << "IA/1 G1/1/1 F T60 F"
                                                           << "05/12/2026|10:00:00|A|1|1|1|1|OTTIMO" << false;
        QTest::newRow("answers with no series under way change nothing")
            << "IA/1 G2/1/8 F G20/20/90" << "05/12/2026|10:00:00|A|1|2|1|8|SUFFICIENTE (!)" << false;
        QTest::newRow("objective kept from its start")
            << "IA/1 G1/0/4" << "05/12/2026|in corso|A|1|1|0|4|Non classificato" << true;
    }

    void serie()
    {
        QFETCH(QString, eventi);
        QFETCH(QString, atteso);
        QFETCH(bool, inCorso);
        RegistroSerie registro;
        Modulo2 stato;
        OrologioFinto orologio;
        esegui(registro, stato, orologio, eventi);
        QCOMPARE(righe(registro), atteso);
        QCOMPARE(registro.inCorso(), inCorso);
    }

    void oraDelGiorno_data()
    {
        QTest::addColumn<double>("secondi");
        QTest::addColumn<QString>("ora");
        QTest::newRow("midnight") << 0.0 << "00:00:00";
        QTest::newRow("fractions dropped") << 37230.9 << "10:20:30";
        QTest::newRow("last second of the day") << 86399.99 << "23:59:59";
        QTest::newRow("afternoon uses 24 hours") << 49500.0 << "13:45:00";
    }

    void oraDelGiorno()
    {
        QFETCH(double, secondi);
        QFETCH(QString, ora);
        QCOMPARE(::oraDelGiorno(secondi), ora);
    }

    void csv_data()
    {
        QTest::addColumn<QString>("obiettivo");
        QTest::addColumn<QString>("campoAtteso");

        QTest::newRow("plain") << "CALCOLO DEL RISULTATO" << "CALCOLO DEL RISULTATO";
        QTest::newRow("accented letters as UTF-8") << "CALCOLO DELL'UNITÀ E PIÙ" << "CALCOLO DELL'UNITÀ E PIÙ";
        QTest::newRow("semicolon quoted") << "A; B" << "\"A; B\"";
        QTest::newRow("quote doubled") << "IL \"SEGNO\"" << "\"IL \"\"SEGNO\"\"\"";
        QTest::newRow("line break quoted") << "A\nB" << "\"A\nB\"";
        QTest::newRow("empty objective") << "" << "";
    }

    void csv()
    {
        QFETCH(QString, obiettivo);
        QFETCH(QString, campoAtteso);
        RegistroSerie registro;
        Modulo2 stato;
        OrologioFinto orologio;
        stato.DescrizioneObiettivo = obiettivo;
        stato.Livello = 3;
        registro.inizia(stato, orologio);
        stato.NumeroOperazioni = 20;
        stato.RisposteEsatte = 11;
        stato.TempoTotale = 245.0;
        registro.aggiorna(stato);
        orologio.avanza(61);
        registro.termina(orologio);

        const QString testo = testoCsv(registro.serie());
        QCOMPARE(testo, QStringLiteral("Data;Ora di fine;Obiettivo;Livello;Operazioni;Risposte esatte;Secondi;"
                                       "Valutazione\r\n05/12/2026;10:01:01;") +
                            campoAtteso + QStringLiteral(";3;20;11;245;SUFFICIENTE (!)\r\n"));

        // Back from the file's bytes: the same headings and fields.
        const QByteArray file = contenutoFileCsv(registro.serie());
        QVERIFY(file.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> letto = prova::leggiCsv(QString::fromUtf8(file.mid(3)));
        QCOMPARE(letto.size(), 2);
        QCOMPARE(letto.at(0), intestazioniSerie());
        QCOMPARE(letto.at(1), rigaSerie(registro.serie().front()));
        QCOMPARE(letto.at(1).at(2), obiettivo);
    }

    void csvSenzaSerie()
    {
        QCOMPARE(testoCsv({}), QStringLiteral("Data;Ora di fine;Obiettivo;Livello;Operazioni;Risposte esatte;"
                                              "Secondi;Valutazione\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstRegistroSerie)
#include "tst_registroserie.moc"
