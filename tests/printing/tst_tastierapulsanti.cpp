// The keyboard on the button rows of the report and the certificate.
#include "printing/tastierapulsanti.h"

#include <QtTest>

using Tipo = TastieraPulsanti::Azione::Tipo;
Q_DECLARE_METATYPE(Tipo)

namespace {
enum class Finestra { Resoconto, Attestato };
TastieraPulsanti tastiera(Finestra f)
{
    return TastieraPulsanti(f == Finestra::Resoconto ? regoleStampaEsercizio() : regoleAttestato());
}
} // namespace
Q_DECLARE_METATYPE(Finestra)

class TestTastieraPulsanti final : public QObject
{
    Q_OBJECT

private slots:
    void tasti_data()
    {
        QTest::addColumn<Finestra>("finestra");
        QTest::addColumn<int>("codice");
        QTest::addColumn<Tipo>("tipo");
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("trattenuto");

        const auto R = Finestra::Resoconto;
        const auto A = Finestra::Attestato;
        // Focus is on button 1 throughout.
        QTest::newRow("report: 1 focuses E S C I") << R << 49 << Tipo::Fuoco << 0 << true;
        QTest::newRow("report: 3 focuses STAMPA") << R << 51 << Tipo::Fuoco << 2 << true;
        QTest::newRow("report: 4 focuses ATTESTATO") << R << 52 << Tipo::Fuoco << 3 << true;
        QTest::newRow("report: 5 is cancelled") << R << 53 << Tipo::Nessuna << -1 << false;
        QTest::newRow("report: keypad 0 focuses E S C I") << R << 96 << Tipo::Fuoco << 0 << true;
        QTest::newRow("report: keypad 2 focuses STAMPA") << R << 98 << Tipo::Fuoco << 2 << true;
        QTest::newRow("report: keypad 3 focuses ATTESTATO") << R << 99 << Tipo::Fuoco << 3 << true;
        QTest::newRow("report: keypad 4 is cancelled") << R << 100 << Tipo::Nessuna << -1 << false;
        QTest::newRow("report: Enter acts on the focused button") << R << 13 << Tipo::Esegui << 1 << true;
        QTest::newRow("report: E accepted, nothing more") << R << 69 << Tipo::Nessuna << -1 << true;
        QTest::newRow("report: S accepted, nothing more") << R << 83 << Tipo::Nessuna << -1 << true;
        QTest::newRow("report: an arrow key is cancelled") << R << 0x25 << Tipo::Nessuna << -1 << false;
        QTest::newRow("report: 0 is cancelled") << R << 48 << Tipo::Nessuna << -1 << false;
        QTest::newRow("certificate: 2 focuses TORNA") << A << 50 << Tipo::Fuoco << 1 << true;
        QTest::newRow("certificate: 3 focuses FINE SESSIONE") << A << 51 << Tipo::Fuoco << 2 << true;
        QTest::newRow("certificate: 4 is cancelled") << A << 52 << Tipo::Nessuna << -1 << false;
        QTest::newRow("certificate: keypad 0 is cancelled") << A << 96 << Tipo::Nessuna << -1 << false;
        QTest::newRow("certificate: keypad 1 focuses STAMPA") << A << 97 << Tipo::Fuoco << 0 << true;
        QTest::newRow("certificate: keypad 2 focuses TORNA") << A << 98 << Tipo::Fuoco << 1 << true;
        QTest::newRow("certificate: keypad 3 focuses FINE SESSIONE") << A << 99 << Tipo::Fuoco << 2 << true;
        QTest::newRow("certificate: E is cancelled") << A << 69 << Tipo::Nessuna << -1 << false;
        QTest::newRow("certificate: Enter acts") << A << 13 << Tipo::Esegui << 1 << true;
    }

    void tasti()
    {
        QFETCH(Finestra, finestra);
        QFETCH(int, codice);
        QFETCH(Tipo, tipo);
        QFETCH(int, indice);
        QFETCH(bool, trattenuto);
        TastieraPulsanti t = tastiera(finestra);
        const auto azione = t.tastoGiu(codice, 1);
        QCOMPARE(azione.tipo, tipo);
        if (tipo != Tipo::Nessuna)
            QCOMPARE(azione.indice, indice);
        QCOMPARE(t.tastoInCorso(), trattenuto);
        // Held: the same key again does nothing until a key goes up.
        if (trattenuto) {
            QCOMPARE(t.tastoGiu(codice, 1).tipo, Tipo::Nessuna);
            QCOMPARE(t.tastoGiu(13, 1).tipo, Tipo::Nessuna);
        }
        t.tastoSu();
        QVERIFY(!t.tastoInCorso());
        QCOMPARE(t.tastoGiu(codice, 1).tipo, tipo);
    }

    void barraSpaziatrice_data()
    {
        QTest::addColumn<Finestra>("finestra");
        QTest::addColumn<int>("conFuoco");
        QTest::addColumn<int>("prossimo");

        QTest::newRow("report: 0 to 1") << Finestra::Resoconto << 0 << 1;
        QTest::newRow("report: 3 wraps to 0") << Finestra::Resoconto << 3 << 0;
        QTest::newRow("report: no focus goes to 0") << Finestra::Resoconto << -1 << 0;
        QTest::newRow("certificate: 1 to 2") << Finestra::Attestato << 1 << 2;
        QTest::newRow("certificate: 2 wraps to 0") << Finestra::Attestato << 2 << 0;
    }

    void barraSpaziatrice()
    {
        QFETCH(Finestra, finestra);
        QFETCH(int, conFuoco);
        QFETCH(int, prossimo);
        TastieraPulsanti t = tastiera(finestra);
        // The blank's key code is not one of the row's keys.
        QCOMPARE(t.tastoGiu(32, conFuoco).tipo, Tipo::Nessuna);
        const auto azione = t.carattere(QLatin1Char(' '), conFuoco);
        QCOMPARE(azione.tipo, Tipo::Fuoco);
        QCOMPARE(azione.indice, prossimo);
        // Held down, the blank repeats: the focus moves only once.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(t.carattere(QLatin1Char(' '), prossimo).tipo, Tipo::Nessuna);
        t.tastoSu();
        QCOMPARE(t.carattere(QLatin1Char(' '), prossimo).tipo, Tipo::Fuoco);
    }

    void caratteriTrattenuti_data()
    {
        QTest::addColumn<Finestra>("finestra");
        QTest::addColumn<QChar>("carattere");
        QTest::addColumn<bool>("trattenuto");

        QTest::newRow("report: 3 is held") << Finestra::Resoconto << QChar('3') << true;
        QTest::newRow("report: a letter is cancelled, not held") << Finestra::Resoconto << QChar('a') << false;
        QTest::newRow("report: 5 is cancelled, not held") << Finestra::Resoconto << QChar('5') << false;
        QTest::newRow("certificate: any character is held") << Finestra::Attestato << QChar('a') << true;
    }

    void caratteriTrattenuti()
    {
        QFETCH(Finestra, finestra);
        QFETCH(QChar, carattere);
        QFETCH(bool, trattenuto);
        TastieraPulsanti t = tastiera(finestra);
        QCOMPARE(t.carattere(carattere, 0).tipo, Tipo::Nessuna);
        QCOMPARE(t.carattereInCorso(), trattenuto);
        // While a held character is down, a blank does not move the focus.
        QCOMPARE(t.carattere(QLatin1Char(' '), 0).tipo, trattenuto ? Tipo::Nessuna : Tipo::Fuoco);
    }
};

QTEST_GUILESS_MAIN(TestTastieraPulsanti)
#include "tst_tastierapulsanti.moc"
