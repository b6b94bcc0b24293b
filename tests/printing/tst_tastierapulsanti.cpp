// The keyboard on the button rows of the report and the certificate.
#include "printing/tastierapulsanti.h"

#include <QtTest>

using Tipo = TastieraPulsanti::Azione::Tipo;

class TestTastieraPulsanti final : public QObject
{
    Q_OBJECT

private slots:
    void tasti_data()
    {
        QTest::addColumn<bool>("resoconto"); // false: the certificate
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("fuoco"); // the button focused; -1 none
        QTest::addColumn<bool>("trattenuto");

        // The focus is on button 1 throughout.
        QTest::newRow("report: 0 is cancelled") << true << 48 << -1 << false;
        QTest::newRow("report: 4 focuses ATTESTATO") << true << 52 << 3 << true;
        QTest::newRow("report: 5 is cancelled") << true << 53 << -1 << false;
        QTest::newRow("report: keypad 0 focuses E S C I") << true << 96 << 0 << true;
        QTest::newRow("report: keypad 4 is cancelled") << true << 100 << -1 << false;
        QTest::newRow("report: E accepted, nothing more") << true << 69 << -1 << true;
        QTest::newRow("certificate: 3 focuses FINE SESSIONE") << false << 51 << 2 << true;
        QTest::newRow("certificate: keypad 0 is cancelled") << false << 96 << -1 << false;
        QTest::newRow("certificate: keypad 1 focuses STAMPA") << false << 97 << 0 << true;
        QTest::newRow("certificate: E is cancelled") << false << 69 << -1 << false;
    }

    void tasti()
    {
        QFETCH(bool, resoconto);
        QFETCH(int, codice);
        QFETCH(int, fuoco);
        QFETCH(bool, trattenuto);
        TastieraPulsanti t(resoconto ? regoleStampaEsercizio() : regoleAttestato());
        const auto azione = t.tastoGiu(codice, 1);
        QCOMPARE(azione.tipo, fuoco < 0 ? Tipo::Nessuna : Tipo::Fuoco);
        QCOMPARE(azione.indice, fuoco);
        QCOMPARE(t.tastoInCorso(), trattenuto);
        // Held: no key acts again until a key goes up.
        if (trattenuto)
            QCOMPARE(t.tastoGiu(13, 1).tipo, Tipo::Nessuna);
        t.tastoSu();
        QCOMPARE(t.tastoGiu(codice, 1).indice, fuoco);
    }

    void barraSpaziatrice_data()
    {
        QTest::addColumn<bool>("resoconto");
        QTest::addColumn<QString>("prima"); // a character typed and held before the blank
        QTest::addColumn<int>("conFuoco");
        QTest::addColumn<int>("prossimo"); // -1: the blank does not move the focus

        QTest::newRow("certificate: 2 wraps to 0") << false << "" << 2 << 0;
        QTest::newRow("report: 4 held stops the blank") << true << "4" << 0 << -1;
        QTest::newRow("report: 5 is not held") << true << "5" << 0 << 1;
        QTest::newRow("certificate: any character is held") << false << "a" << 0 << -1;
    }

    // Held down, the blank repeats: the focus moves only once, until a key goes up.
    void barraSpaziatrice()
    {
        QFETCH(bool, resoconto);
        QFETCH(QString, prima);
        QFETCH(int, conFuoco);
        QFETCH(int, prossimo);
        TastieraPulsanti t(resoconto ? regoleStampaEsercizio() : regoleAttestato());
        for (const QChar c : prima)
            QCOMPARE(t.carattere(c, conFuoco).tipo, Tipo::Nessuna);
        const auto azione = t.carattere(QLatin1Char(' '), conFuoco);
        QCOMPARE(azione.tipo, prossimo < 0 ? Tipo::Nessuna : Tipo::Fuoco);
        QCOMPARE(azione.indice, prossimo);
        QCOMPARE(t.carattere(QLatin1Char(' '), conFuoco).tipo, Tipo::Nessuna);
        t.tastoSu();
        QCOMPARE(t.carattere(QLatin1Char(' '), conFuoco).tipo, Tipo::Fuoco);
    }
};

QTEST_GUILESS_MAIN(TestTastieraPulsanti)
#include "tst_tastierapulsanti.moc"
