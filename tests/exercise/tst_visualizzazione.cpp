#include "exercise/generatore.h"
#include "exercise/visualizzazione.h"
#include "frame/casuale.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "support/orologiofinto.h"

#include <QtTest>

#include <map>
#include <memory>

using Valori = std::array<int, numeroPosti>;
Q_DECLARE_METATYPE(Valori)

// The place of the unknown, the row on screen and the log line of an operation.
class TstVisualizzazione final : public QObject
{
    Q_OBJECT

private slots:
    void postoDellIncognita_data();
    void postoDellIncognita();
    void rigaEdElenco_data();
    void rigaEdElenco();
    void incognitaEdInizio();
    void livelloSenzaIncognita();
};

void TstVisualizzazione::postoDellIncognita_data()
{
    QTest::addColumn<int>("livello");
    QTest::addColumn<QList<int>>("posti");
    QTest::newRow("level 1: always the result") << 1 << QList<int>{1};
    QTest::newRow("level 2: never the result") << 2 << QList<int>{2, 3, 4};
    QTest::newRow("level 3: all four places") << 3 << QList<int>{1, 2, 3, 4};
    QTest::newRow("level 4: all four places, as level 3") << 4 << QList<int>{1, 2, 3, 4};
    QTest::newRow("level 0: nothing") << 0 << QList<int>{0};
}

void TstVisualizzazione::postoDellIncognita()
{
    QFETCH(int, livello);
    QFETCH(QList<int>, posti);
    constexpr int estrazioni = 6000;
    Casuale casuale(99);
    std::map<int, int> conteggi;
    for (int i = 0; i < estrazioni; ++i)
        ++conteggi[scegliTipoDomanda(livello, casuale)];
    QCOMPARE(int(conteggi.size()), int(posti.size()));
    const double quota = 1.0 / posti.size();
    for (int posto : posti) {
        const double osservata = double(conteggi[posto]) / estrazioni;
        QVERIFY2(qAbs(osservata - quota) < 0.03,
                 qPrintable(QStringLiteral("place %1: share %2").arg(posto).arg(osservata)));
    }
}

void TstVisualizzazione::rigaEdElenco_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<Valori>("termini");
    QTest::addColumn<int>("tipoDomanda");
    QTest::addColumn<Valori>("mostrati");
    QTest::addColumn<int>("incognita");
    QTest::addColumn<QString>("riga");

    QTest::newRow("7 + 25 + 3, result unknown")
        << 1 << Valori{7, 25, 3} << 1 << Valori{7, 25, 3, 35} << 35
        << QString(QStringLiteral("   7") + " + " + "  25" + " + " + "   3" + " = ... " + "   R.");
    QTest::newRow("9 + 8 + 5, first number unknown")
        << 1 << Valori{9, 8, 5} << 2 << Valori{9, 8, 5, 22} << 9
        << QString(QStringLiteral(" ... + ") + "   8" + " + " + "   5" + " = " + "  22" + "   R.");
    QTest::newRow("addition, second number unknown")
        << 1 << Valori{10, 1, 1} << 3 << Valori{10, 1, 1, 12} << 1
        << QString(QStringLiteral("  10") + " +  ... + " + "   1" + " = " + "  12" + "   R.");
    QTest::newRow("addition, third number unknown")
        << 1 << Valori{40, 40, 19} << 4 << Valori{40, 40, 19, 99} << 19
        << QString(QStringLiteral("  40") + " + " + "  40" + " +  ... = " + "  99" + "   R.");
    QTest::newRow("subtraction 12, 5, 3, result unknown")
        << 2 << Valori{12, 5, 3} << 1 << Valori{20, 5, 3, 12} << 12
        << QString(QStringLiteral("  20") + " - " + "   5" + " - " + "   3" + " = ... " + "   R.");
    QTest::newRow("subtraction 12, 5, 3, first number unknown")
        << 2 << Valori{12, 5, 3} << 2 << Valori{20, 5, 3, 12} << 20
        << QString(QStringLiteral(" ... - ") + "   5" + " - " + "   3" + " = " + "  12" + "   R.");
    QTest::newRow("subtraction 12, 5, 3, second unknown: 20 - ? - 3 = 5")
        << 2 << Valori{12, 5, 3} << 3 << Valori{20, 12, 3, 5} << 12
        << QString(QStringLiteral("  20") + " -  ... - " + "   3" + " = " + "   5" + "   R.");
    QTest::newRow("subtraction 12, 5, 3, third number unknown")
        << 2 << Valori{12, 5, 3} << 4 << Valori{20, 5, 3, 12} << 3
        << QString(QStringLiteral("  20") + " - " + "   5" + " -  ... = " + "  12" + "   R.");
    QTest::newRow("multiplication 2 x 3 x 4, result unknown")
        << 3 << Valori{2, 3, 4} << 1 << Valori{2, 3, 4, 24} << 24
        << QString(QStringLiteral("   2") + " x " + "   3" + " x " + "   4" + " = ... " + "   R.");
    QTest::newRow("multiplication 2 x 3 x 4, first number unknown")
        << 3 << Valori{2, 3, 4} << 2 << Valori{2, 3, 4, 24} << 2
        << QString(QStringLiteral(" ... x ") + "   3" + " x " + "   4" + " = " + "  24" + "   R.");
    QTest::newRow("multiplication 10 x 3 x 3, second number unknown")
        << 3 << Valori{10, 3, 3} << 3 << Valori{10, 3, 3, 90} << 3
        << QString(QStringLiteral("  10") + " x  ... x " + "   3" + " = " + "  90" + "   R.");
    QTest::newRow("multiplication 2 x 3 x 4, third number unknown")
        << 3 << Valori{2, 3, 4} << 4 << Valori{2, 3, 4, 24} << 4
        << QString(QStringLiteral("   2") + " x " + "   3" + " x  ... = " + "  24" + "   R.");
}

void TstVisualizzazione::rigaEdElenco()
{
    QFETCH(int, operazione);
    QFETCH(Valori, termini);
    QFETCH(int, tipoDomanda);
    QFETCH(Valori, mostrati);
    QFETCH(int, incognita);
    QFETCH(QString, riga);

    Modulo2 stato;
    stato.Termine1 = static_cast<Modulo2::int16>(termini[0]);
    stato.Termine2 = static_cast<Modulo2::int16>(termini[1]);
    stato.Termine3 = static_cast<Modulo2::int16>(termini[2]);
    stato.NumeroOperazioni = 7;
    stato.ElencoOperazioni.imposta(8, QStringLiteral("next line"));

    const RigaMostrata mostrata = SubVisualizza(stato, operazione, tipoDomanda);
    QCOMPARE(mostrata.valori, mostrati);
    QCOMPARE(mostrata.tipoDomanda, tipoDomanda);
    QCOMPARE(int(stato.TipoDomanda), tipoDomanda);
    QCOMPARE(int(stato.Incognita), incognita);
    QCOMPARE(stato.ElencoOperazioni.valore(7), riga);
    QCOMPARE(stato.ElencoOperazioni.valore(8), QStringLiteral("next line"));
}

void TstVisualizzazione::incognitaEdInizio()
{
    auto orologio = std::make_shared<OrologioFinto>();
    orologio->imposta(5000.25f);
    Servizi s;
    s.orologio = orologio;
    Modulo2 stato;
    stato.Termine1 = 9;
    stato.Termine2 = 8;
    stato.Termine3 = 5;
    stato.Livello = 1;
    stato.NumeroOperazioni = 1;
    QVERIFY(Visualizza(stato, s, operazioni::addizione));
    QCOMPARE(int(stato.Incognita), 22);
    QCOMPARE(stato.TestoIncognita, QStringLiteral(" 22"));
    QCOMPARE(stato.SpaziIncognita, QStringLiteral(" "));
    QCOMPARE(stato.InizioOperazione.value_or(-1), 5000.25);
}

void TstVisualizzazione::livelloSenzaIncognita()
{
    Servizi s;
    s.orologio = std::make_shared<OrologioFinto>();
    Modulo2 stato;
    stato.Termine1 = 9;
    stato.NumeroOperazioni = 1;
    QVERIFY(!Visualizza(stato, s, operazioni::addizione));
    QCOMPARE(int(stato.TipoDomanda), 0);
    QCOMPARE(stato.ElencoOperazioni.valore(1), QString());
    QVERIFY(!stato.InizioOperazione);
}

QTEST_GUILESS_MAIN(TstVisualizzazione)
#include "tst_visualizzazione.moc"
