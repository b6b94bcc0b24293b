#include "frame/aspetto.h"
#include "frame/unita.h"

#include <QtTest>

class TstUnita final : public QObject
{
    Q_OBJECT

private slots:
    void colori_data()
    {
        QTest::addColumn<quint32>("bgr");
        QTest::addColumn<quint32>("argb");
        QTest::newRow("red") << quint32(0x000000FF) << quint32(0xFFFF0000);
        QTest::newRow("dark blue") << quint32(0x00C00000) << quint32(0xFF0000C0);
        QTest::newRow("brown, every channel") << quint32(0x00004080) << quint32(0xFF804000);
        QTest::newRow("from its parts") << aspetto::bgr(255, 192, 128) << quint32(0xFFFFC080);
    }

    void colori()
    {
        QFETCH(quint32, bgr);
        QFETCH(quint32, argb);
        QCOMPARE(unita::coloreDaBgr(bgr), argb);
    }

    void twips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixel");
        QTest::newRow("one inch at 96 dpi") << 1440 << 96.0 << 96;
        QTest::newRow("one inch at 600 dpi") << 1440 << 600.0 << 600;
        QTest::newRow("rounds up to the nearest") << 22 << 96.0 << 1;
        QTest::newRow("rounds down to the nearest") << 7 << 96.0 << 0;
    }

    void twips()
    {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixel);
        QCOMPARE(unita::twipsInPixel(twips, dpi), pixel);
        QCOMPARE(unita::twipsInPunti(twips), twips / 20.0);
    }
};

QTEST_GUILESS_MAIN(TstUnita)
#include "tst_unita.moc"
