#include "exercise/serie.h"
#include "frame/modulo2.h"
#include "support/orologiofinto.h"

#include <QtTest>

// Counters of a series and the seconds of each answer and of the exercise.
class TstSerie final : public QObject
{
    Q_OBJECT

private slots:
    void tempi_data();
    void tempi();
    void secondoTentativoSommaDiNuovo();
    void tempoTotaleOltre999();
    void nuovaSerie();
    void nuovoEsercizioENuovaOperazione();
    void fineSerie_data();
    void fineSerie();
};

void TstSerie::tempi_data()
{
    QTest::addColumn<float>("inizio");
    QTest::addColumn<float>("fine");
    QTest::addColumn<double>("parziale");
    QTest::addColumn<QString>("mostrato");
    QTest::addColumn<QString>("totaleMostrato");

    QTest::newRow("4.9 seconds count 4") << 36000.0f << 36004.9f << 4.0 << " 4" << " 4";
    QTest::newRow("under a second counts 0") << 100.0f << 100.5f << 0.0 << " 0" << " 0";
    QTest::newRow("99 seconds shown as they are") << 500.0f << 599.0f << 99.0 << " 99" << " 99";
    QTest::newRow("100 seconds shown as 99") << 500.0f << 600.0f << 100.0 << "99" << " 100";
    QTest::newRow("150 seconds shown as 99") << 36000.0f << 36150.0f << 150.0 << "99" << " 150";
    QTest::newRow("across midnight") << 86398.5f << 2.0f << 3.0 << " 3" << " 3";
    QTest::newRow("exactly at midnight") << 86390.0f << 0.0f << 10.0 << " 10" << " 10";
}

void TstSerie::tempi()
{
    QFETCH(float, inizio);
    QFETCH(float, fine);
    QFETCH(double, parziale);
    QFETCH(QString, mostrato);
    QFETCH(QString, totaleMostrato);

    OrologioFinto orologio;
    orologio.imposta(fine);
    Modulo2 stato;
    azzeraSerie(stato);
    iniziaEsercizio(stato);
    stato.InizioOperazione = inizio;

    CalcolaTempi(stato, orologio);
    QCOMPARE(stato.FineOperazione.value_or(-1), double(fine));
    QCOMPARE(stato.TempoParziale.value_or(-1), parziale);
    QCOMPARE(stato.TempoTotale.value_or(-1), parziale);
    QCOMPARE(stato.TestoTempoParziale, QStringLiteral(" ") + QString::number(parziale));
    QCOMPARE(stato.TempiEsercizi.valore(1), QStringLiteral(" ") + QString::number(parziale));
    QCOMPARE(testoTempoParziale(stato), mostrato);
    QCOMPARE(testoTempoTotale(stato), totaleMostrato);
    QCOMPARE(testoSecondi(stato.TempoParziale), QString::number(parziale));
}

void TstSerie::secondoTentativoSommaDiNuovo()
{
    OrologioFinto orologio;
    Modulo2 stato;
    azzeraSerie(stato);
    iniziaEsercizio(stato);
    stato.InizioOperazione = orologio.secondiDallaMezzanotte();
    orologio.avanza(5);
    CalcolaTempi(stato, orologio);
    orologio.avanza(3);
    CalcolaTempi(stato, orologio);
    // The second judgement counts again from the moment the operation appeared.
    QCOMPARE(stato.TempoParziale.value_or(-1), 8.0);
    QCOMPARE(stato.TempoTotale.value_or(-1), 13.0);
    QCOMPARE(stato.TempiEsercizi.valore(1), QStringLiteral(" 13"));
}

void TstSerie::tempoTotaleOltre999()
{
    OrologioFinto orologio;
    Modulo2 stato;
    azzeraSerie(stato);
    iniziaEsercizio(stato);
    stato.TempoTotale = 950.0;
    stato.InizioOperazione = orologio.secondiDallaMezzanotte();
    orologio.avanza(49);
    CalcolaTempi(stato, orologio);
    QCOMPARE(testoTempoTotale(stato), QStringLiteral(" 999"));
    orologio.avanza(1);
    CalcolaTempi(stato, orologio);
    QCOMPARE(stato.TempoTotale.value_or(-1), 1049.0);
    QCOMPARE(testoTempoTotale(stato), QStringLiteral("999"));
    QCOMPARE(stato.TempiEsercizi.valore(1), QStringLiteral(" 1049"));
}

void TstSerie::nuovaSerie()
{
    Modulo2 stato;
    stato.NumeroEsercizio = 1;
    stato.NumeroOperazioni = 20;
    stato.NumeroOperazione = 20;
    stato.RisposteEsatte = 15;
    stato.NumeroEsatte = 15;
    stato.NumeroErrate = 5;
    stato.Tentativi = 2;
    stato.TempoTotale = 300.0;
    stato.TempoParziale = 7.0;
    for (int i = 0; i <= 90; ++i)
        stato.ElencoOperazioni.imposta(i, QStringLiteral("line %1").arg(i));

    azzeraSerie(stato);
    for (int contatore : {stato.NumeroEsercizio, stato.NumeroOperazioni, stato.NumeroOperazione,
                          stato.RisposteEsatte, stato.NumeroEsatte, stato.NumeroErrate, stato.Tentativi})
        QCOMPARE(contatore, 0);
    QCOMPARE(stato.TempoTotale.value_or(-1), 0.0);
    QCOMPARE(stato.TempoParziale.value_or(-1), 0.0);
    QCOMPARE(stato.ElencoOperazioni.valore(0), QStringLiteral("line 0"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(stato.ElencoOperazioni.valore(i), QString());
    // Lines past the series keep what the worksheet window put there.
    QCOMPARE(stato.ElencoOperazioni.valore(21), QStringLiteral("line 21"));
    QCOMPARE(stato.ElencoOperazioni.valore(90), QStringLiteral("line 90"));
}

void TstSerie::nuovoEsercizioENuovaOperazione()
{
    Modulo2 stato;
    azzeraSerie(stato);
    stato.TempiEsercizi.imposta(1, QStringLiteral(" 40"));
    stato.TempiEsercizi.imposta(2, QStringLiteral(" 50"));
    iniziaEsercizio(stato);
    QCOMPARE(int(stato.NumeroEsercizio), 1);
    QCOMPARE(stato.TempiEsercizi.valore(1), QString());
    QCOMPARE(stato.TempiEsercizi.valore(2), QStringLiteral(" 50"));

    stato.Risposta = QStringLiteral("12");
    avanzaOperazione(stato);
    avanzaOperazione(stato);
    QCOMPARE(stato.Risposta, QString());
    QCOMPARE(int(stato.NumeroOperazione), 2);
    QCOMPARE(int(stato.NumeroOperazioni), 2);
}

void TstSerie::fineSerie_data()
{
    QTest::addColumn<int>("operazioni");
    QTest::addColumn<bool>("finita");
    QTest::newRow("first operation") << 1 << false;
    QTest::newRow("19 operations") << 19 << false;
    QTest::newRow("20 operations") << 20 << true;
    QTest::newRow("more than 20") << 21 << true;
}

void TstSerie::fineSerie()
{
    QFETCH(int, operazioni);
    QFETCH(bool, finita);
    Modulo2 stato;
    stato.NumeroOperazioni = static_cast<Modulo2::int16>(operazioni);
    QCOMPARE(serieCompleta(stato), finita);
}

QTEST_GUILESS_MAIN(TstSerie)
#include "tst_serie.moc"
