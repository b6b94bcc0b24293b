#include "frame/casuale.h"

#include <QtTest>

#include <set>

class TstCasuale final : public QObject
{
    Q_OBJECT

private slots:
    void stessoSemeStessaSequenza();
    void rimescolareNonRicomincia();
    void frazioniInUnoZero();
    void interiDaAaB_data();
    void interiDaAaB();
};

void TstCasuale::stessoSemeStessaSequenza()
{
    Casuale a(7);
    Casuale b(7);
    a.rimescola(100.5f);
    b.rimescola(100.5f);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.frazione(), b.frazione());
}

void TstCasuale::rimescolareNonRicomincia()
{
    // Two draws reseeded from the same clock reading (the same second) must
    // not repeat each other.
    Casuale c(1);
    c.rimescola(3600.0f);
    const double prima = c.frazione();
    c.rimescola(3600.0f);
    const double seconda = c.frazione();
    QVERIFY(prima != seconda);
    // A different clock reading gives a different sequence from the same state.
    Casuale x(9);
    Casuale y(9);
    x.rimescola(10.0f);
    y.rimescola(10.25f);
    QVERIFY(x.frazione() != y.frazione());
}

void TstCasuale::frazioniInUnoZero()
{
    Casuale c(42);
    double minimo = 1;
    double massimo = 0;
    for (int i = 0; i < 100000; ++i) {
        const double f = c.frazione();
        QVERIFY(f >= 0.0 && f < 1.0);
        minimo = std::min(minimo, f);
        massimo = std::max(massimo, f);
    }
    QVERIFY(minimo < 0.001);
    QVERIFY(massimo > 0.999);
}

void TstCasuale::interiDaAaB_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("1 to 20") << 1 << 20;
    QTest::newRow("20 to 49") << 20 << 49;
    QTest::newRow("1 to 9") << 1 << 9;
    QTest::newRow("single value") << 5 << 5;
}

void TstCasuale::interiDaAaB()
{
    QFETCH(int, a);
    QFETCH(int, b);
    Casuale c(2026);
    std::set<int> visti;
    for (int i = 0; i < 20000; ++i) {
        const int n = c.intero(a, b);
        QVERIFY2(n >= a && n <= b, qPrintable(QString::number(n)));
        visti.insert(n);
    }
    // Both ends are reached: every value of the range comes up.
    QCOMPARE(int(visti.size()), b - a + 1);
}

QTEST_GUILESS_MAIN(TstCasuale)
#include "tst_casuale.moc"
