#include "exercise/risposta.h"
#include "frame/modulo2.h"

#include <QtTest>

// Typing, judging and helping with an answer, on the shared state alone.
class TstRisposta final : public QObject
{
    Q_OBJECT

private slots:
    void cifra_data();
    void cifra();
    void cancella_data();
    void cancella();
    void verifica_data();
    void verifica();
    void correzione();
    void rifiuti();
};

void TstRisposta::cifra_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<bool>("daCapo");
    QTest::addColumn<int>("cifra");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("first digit") << "" << true << 7 << "7";
    QTest::newRow("digit appended") << "12" << false << 3 << "123";
    QTest::newRow("fourth digit kept") << "123" << false << 4 << "1234";
    QTest::newRow("fifth digit dropped") << "1234" << false << 5 << "1234";
    QTest::newRow("zero is a digit") << "1" << false << 0 << "10";
    QTest::newRow("after deleting everything: new answer") << "?" << false << 5 << "5";
    QTest::newRow("after a refusal the old answer is dropped") << "11" << true << 2 << "2";
}

void TstRisposta::cifra()
{
    QFETCH(QString, prima);
    QFETCH(bool, daCapo);
    QFETCH(int, cifra);
    QFETCH(QString, dopo);
    QCOMPARE(conCifra(prima, daCapo, cifra), dopo);
}

void TstRisposta::cancella_data()
{
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::newRow("last digit removed") << "123" << "12";
    QTest::newRow("only digit: question mark") << "7" << "?";
    QTest::newRow("already deleted: stays") << "?" << "?";
    QTest::newRow("nothing typed: question mark") << "" << "?";
}

void TstRisposta::cancella()
{
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QCOMPARE(senzaUltimo(prima), dopo);
}

void TstRisposta::verifica_data()
{
    QTest::addColumn<QString>("risposta");
    QTest::addColumn<QString>("testoIncognita");
    QTest::addColumn<bool>("esatta");
    QTest::addColumn<QString>("aggiunto");
    QTest::newRow("right: answer and two blanks") << "12" << " 12" << true << "12  ";
    QTest::newRow("wrong: answer and star") << "11" << " 12" << false << "11* ";
    QTest::newRow("leading zero is not the number") << "09" << " 9" << false << "09* ";
    QTest::newRow("deleted answer never matches") << "?" << " 5" << false << "?* ";
    QTest::newRow("nothing typed is wrong") << "" << " 5" << false << "* ";
}

void TstRisposta::verifica()
{
    QFETCH(QString, risposta);
    QFETCH(QString, testoIncognita);
    QFETCH(bool, esatta);
    QFETCH(QString, aggiunto);

    const QString riga = QStringLiteral("  10 +    1 +    1 = ...    R.");
    Modulo2 stato;
    stato.NumeroOperazioni = 3;
    stato.ElencoOperazioni.imposta(3, riga);
    stato.NumeroEsatte = 1;
    stato.RisposteEsatte = 1;
    stato.NumeroErrate = 1;
    stato.Risposta = risposta;
    stato.TestoIncognita = testoIncognita;

    QCOMPARE(VerificaRisposta(stato), esatta);
    QCOMPARE(stato.ElencoOperazioni.valore(3), riga + aggiunto);
    QCOMPARE(int(stato.NumeroEsatte), esatta ? 2 : 1);
    QCOMPARE(int(stato.RisposteEsatte), esatta ? 2 : 1);
    QCOMPARE(int(stato.NumeroErrate), esatta ? 1 : 2);
    QCOMPARE(stato.SegnoEsito, esatta ? QStringLiteral("  ") : QStringLiteral("* "));
    QCOMPARE(stato.ElencoOperazioni.valore(2), QString());
}

void TstRisposta::correzione()
{
    Modulo2 stato;
    stato.NumeroOperazioni = 1;
    stato.ElencoOperazioni.imposta(1, QStringLiteral("...   R.11* "));
    stato.TestoIncognita = QStringLiteral(" 12");
    registraCorrezione(stato);
    QCOMPARE(stato.ElencoOperazioni.valore(1), QString::fromUtf8("...   R.11*  12\xC2\xB0 "));
}

void TstRisposta::rifiuti()
{
    Modulo2 stato;
    QVERIFY(!rifiutaAiuto(stato));
    QCOMPARE(int(stato.Tentativi), 1);
    QVERIFY(!rifiutaAiuto(stato));
    QVERIFY(rifiutaAiuto(stato));
    QCOMPARE(int(stato.Tentativi), 0);
    QVERIFY(!rifiutaAiuto(stato));
    QCOMPARE(int(stato.Tentativi), 1);
}

QTEST_GUILESS_MAIN(TstRisposta)
#include "tst_risposta.moc"
