// The frame's plain calculations: twips and 0x00BBGGRR colours, the
// proportional places of controls, the random source's reseeding (its ranges
// are checked through every generator that draws from it).
#include "frame/aspetto.h"
#include "frame/casuale.h"
#include "frame/posizionerelativa.h"
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
    }

    void riscala_data()
    {
        QTest::addColumn<QRect>("controllo");
        QTest::addColumn<QSize>("design");
        QTest::addColumn<QSize>("nuova");
        QTest::addColumn<QRect>("atteso");
        const QSize inizio(794, 556);
        QTest::newRow("the design size gives the design place back")
            << QRect(590, 371, 185, 105) << inizio << inizio << QRect(590, 371, 185, 105);
        QTest::newRow("double width doubles left and width only")
            << QRect(30, 241, 270, 243) << inizio << QSize(1588, 556) << QRect(60, 241, 540, 243);
        QTest::newRow("odd sizes round to the nearest pixel")
            << QRect(10, 10, 10, 10) << QSize(100, 100) << QSize(333, 77) << QRect(33, 8, 33, 8);
        QTest::newRow("a window reduced to nothing") << QRect(450, 120, 300, 200) << inizio << QSize(0, 0) << QRect();
        QTest::newRow("an empty window at capture leaves every ratio at 0")
            << QRect(450, 120, 300, 200) << QSize(0, 0) << inizio << QRect(0, 0, 0, 0);
    }

    void riscala()
    {
        QFETCH(QRect, controllo);
        QFETCH(QSize, design);
        QFETCH(QSize, nuova);
        QFETCH(QRect, atteso);
        QCOMPARE(applicaPosizione(misuraPosizione(controllo, design), nuova), atteso);
    }

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
        a.rimescola(3600.0f); // the same second again: the sequence goes on, it does not start over
        QVERIFY(a.frazione() != prima);
    }
};

QTEST_GUILESS_MAIN(TstUnita)
#include "tst_unita.moc"
