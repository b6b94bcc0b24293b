#include "frame/casuale.h"

#include <QtTest>

#include <set>

class TstCasuale final : public QObject
{
    Q_OBJECT

private slots:
    // Reseeding mixes the clock into the state: the same second twice still gives a new draw.
    void rimescolare()
    {
        Casuale a(7);
        Casuale b(7);
        Casuale c(7);
        a.rimescola(3600.0f);
        b.rimescola(3600.0f);
        c.rimescola(3600.25f);
        const double prima = a.frazione();
        QCOMPARE(b.frazione(), prima);
        QVERIFY(c.frazione() != prima);
        a.rimescola(3600.0f);
        QVERIFY(a.frazione() != b.frazione());
    }

    void intero_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::newRow("1 to 20") << 1 << 20;
        QTest::newRow("20 to 49") << 20 << 49;
        QTest::newRow("a single value") << 5 << 5;
    }

    // Every whole number from a to b comes up, both ends included, and no other; fractions stay in [0, 1).
    void intero()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        Casuale c(2026);
        std::set<int> visti;
        for (int i = 0; i < 20000; ++i) {
            visti.insert(c.intero(a, b));
            const double f = c.frazione();
            QVERIFY(f >= 0.0 && f < 1.0);
        }
        QCOMPARE(*visti.begin(), a);
        QCOMPARE(*visti.rbegin(), b);
        QCOMPARE(int(visti.size()), b - a + 1);
    }
};

QTEST_GUILESS_MAIN(TstCasuale)
#include "tst_casuale.moc"
