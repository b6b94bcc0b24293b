#include "exercise/visualizzazione.h"
#include "frame/modulo2.h"

#include <QtTest>

// The log line of an operation, with its unknown written as dots.
class TstVisualizzazione final : public QObject
{
    Q_OBJECT

private slots:
    void rigaElenco_data();
    void rigaElenco();
};

void TstVisualizzazione::rigaElenco_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QList<int>>("termini");
    QTest::addColumn<int>("tipoDomanda");
    QTest::addColumn<int>("incognita");
    QTest::addColumn<QString>("riga");
    QTest::newRow("7 + 25 + 3, result unknown") << 1 << QList<int>{7, 25, 3} << 1 << 35 << "   7 +   25 +    3 = ...    R.";
    QTest::newRow("9 + 8 + 5, first number unknown") << 1 << QList<int>{9, 8, 5} << 2 << 9 << " ... +    8 +    5 =   22   R.";
    QTest::newRow("subtraction 12, 5, 3, result unknown") << 2 << QList<int>{12, 5, 3} << 1 << 12 << "  20 -    5 -    3 = ...    R.";
    QTest::newRow("subtraction 12, 5, 3, second unknown: 20 - ? - 3 = 5")
        << 2 << QList<int>{12, 5, 3} << 3 << 12 << "  20 -  ... -    3 =    5   R.";
    QTest::newRow("2 x 3 x 4, result unknown") << 3 << QList<int>{2, 3, 4} << 1 << 24 << "   2 x    3 x    4 = ...    R.";
    QTest::newRow("2 x 3 x 4, first number unknown") << 3 << QList<int>{2, 3, 4} << 2 << 2 << " ... x    3 x    4 =   24   R.";
    QTest::newRow("10 x 3 x 3, second number unknown") << 3 << QList<int>{10, 3, 3} << 3 << 3 << "  10 x  ... x    3 =   90   R.";
    QTest::newRow("2 x 3 x 4, third number unknown") << 3 << QList<int>{2, 3, 4} << 4 << 4 << "   2 x    3 x  ... =   24   R.";
}

void TstVisualizzazione::rigaElenco()
{
    QFETCH(int, operazione);
    QFETCH(QList<int>, termini);
    QFETCH(int, tipoDomanda);
    QFETCH(int, incognita);
    QFETCH(QString, riga);
    Modulo2 stato;
    stato.Termine1 = static_cast<Modulo2::int16>(termini[0]);
    stato.Termine2 = static_cast<Modulo2::int16>(termini[1]);
    stato.Termine3 = static_cast<Modulo2::int16>(termini[2]);
    stato.NumeroOperazioni = 7;
    SubVisualizza(stato, operazione, tipoDomanda);
    QCOMPARE(int(stato.Incognita), incognita);
    QCOMPARE(stato.ElencoOperazioni.valore(7), riga);
}

QTEST_GUILESS_MAIN(TstVisualizzazione)
#include "tst_visualizzazione.moc"
