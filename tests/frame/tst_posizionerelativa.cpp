#include "frame/posizionerelativa.h"

#include <QtTest>

class TstPosizioneRelativa final : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("double height doubles top and height only")
            << QRect(30, 241, 270, 243) << inizio << QSize(794, 1112) << QRect(30, 482, 270, 486);
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
};

QTEST_GUILESS_MAIN(TstPosizioneRelativa)
#include "tst_posizionerelativa.moc"
