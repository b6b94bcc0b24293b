// Grading of a series, the score line, the print button's state and the
// capitalised name of the certificate.
#include "printing/maiuscolainiziale.h"
#include "printing/valutazione.h"

#include <QtTest>

class TestValutazione final : public QObject
{
    Q_OBJECT

private slots:
    void voto_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("punteggio");
        QTest::addColumn<QString>("valutazione");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<bool>("stampabile");
        QTest::addColumn<bool>("avviso");

        const QString stampa = QStringLiteral("STAMPA L'ATTESTATO");
        const QString nonStampabile = QStringLiteral("ATTESTATO NON STAMPABILE");
        QTest::newRow("10/5: exactly half, printable")
            << 10 << 5 << 5 << "SUFFICIENTE (!)" << stampa << true << false;
        QTest::newRow("10/4: under half") << 10 << 4 << 4 << "Non classificato" << nonStampabile << false << false;
        QTest::newRow("20/18: exactly 9") << 20 << 18 << 9 << "OTTIMO" << stampa << true << false;
        QTest::newRow("20/17: 8.5 rounds down") << 20 << 17 << 8 << "DISTINTO" << stampa << true << false;
        QTest::newRow("20/11: 5.5 rounds down") << 20 << 11 << 5 << "SUFFICIENTE (!)" << stampa << true << false;
        QTest::newRow("20/20") << 20 << 20 << 10 << "OTTIMO" << stampa << true << false;
        QTest::newRow("20/14: 7") << 20 << 14 << 7 << "BUONO" << stampa << true << false;
        QTest::newRow("20/13: 6.5") << 20 << 13 << 6 << "SUFFICIENTE" << stampa << true << false;
        QTest::newRow("20/9: 4.5") << 20 << 9 << 4 << "Non classificato" << nonStampabile << false << false;
        QTest::newRow("9 all right: graded, notice, caption kept")
            << 9 << 9 << 10 << "OTTIMO" << stampa << false << true;
        QTest::newRow("9 with 2 right: notice and not printable")
            << 9 << 2 << 2 << "Non classificato" << nonStampabile << false << true;
        QTest::newRow("0 operations: score 0") << 0 << 0 << 0 << "Non classificato" << nonStampabile << false << true;
        QTest::newRow("3 of 3: 10") << 3 << 3 << 10 << "OTTIMO" << stampa << false << true;
        QTest::newRow("7 of 7 then 6 of 7: 8.57 -> 8") << 7 << 6 << 8 << "DISTINTO" << stampa << false << true;
    }

    void voto()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(int, punteggio);
        QFETCH(QString, valutazione);
        QFETCH(QString, didascalia);
        QFETCH(bool, stampabile);
        QFETCH(bool, avviso);
        QCOMPARE(Punteggio(esatte, operazioni), punteggio);
        QCOMPARE(ValutazioneDaPunteggio(punteggio), valutazione);
        const StatoStampaAttestato stato = statoStampaAttestato(operazioni, valutazione);
        QCOMPARE(stato.didascalia, didascalia);
        QCOMPARE(stato.abilitato, stampabile);
        QCOMPARE(stato.avviso.isEmpty(), !avviso);
        if (avviso)
            QCOMPARE(stato.avviso, QStringLiteral("Per stampare un attestato \n\nè necessario eseguire \n\n"
                                                  "almeno 10 operazioni. "));
    }

    void rigaDelPunteggio_data()
    {
        QTest::addColumn<int>("esatte");
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QString>("riga");

        QTest::newRow("17 of 20") << 17 << 20 << "con 17 risposte esatte su 20 richieste";
        QTest::newRow("one digit, no padding") << 5 << 9 << "con 5 risposte esatte su 9 richieste";
        QTest::newRow("none") << 0 << 0 << "con 0 risposte esatte su 0 richieste";
    }

    void rigaDelPunteggio()
    {
        QFETCH(int, esatte);
        QFETCH(int, operazioni);
        QFETCH(QString, riga);
        QCOMPARE(rigaPunteggio(esatte, operazioni), riga);
    }

    void maiuscolaIniziale_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("atteso");

        QTest::newRow("mixed case, also after a blank") << "nicolò ROSSI" << "Nicolò rossi";
        QTest::newRow("accented first letter") << "èlia" << "Èlia";
        QTest::newRow("one letter") << "a" << "A";
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("leading blank: the blank is the first character") << " anna" << " anna";
        QTest::newRow("all capitals") << "GIANLUCA" << "Gianluca";
        QTest::newRow("German sharp s upper-cased by the full rule") << "ßimon" << "SSimon";
        QTest::newRow("a character outside the basic plane stays whole")
            << QString::fromUcs4(U"\U00010428abc") << QString::fromUcs4(U"\U00010400abc");
        QTest::newRow("digits and apostrophe") << "d'ANGELO 2" << "D'angelo 2";
    }

    void maiuscolaIniziale()
    {
        QFETCH(QString, nome);
        QFETCH(QString, atteso);
        QCOMPARE(MaiuscolaIniziale(nome), atteso);
    }
};

QTEST_GUILESS_MAIN(TestValutazione)
#include "tst_valutazione.moc"
