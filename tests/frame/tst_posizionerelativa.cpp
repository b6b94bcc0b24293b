#include "frame/posizionerelativa.h"

#include <QtTest>

class TstPosizioneRelativa final : public QObject
{
    Q_OBJECT

private slots:
    void riscala_data();
    void riscala();
    void finestraRidottaAZeroEPoiRipristinata();
};

void TstPosizioneRelativa::riscala_data()
{
    QTest::addColumn<QRect>("controllo");
    QTest::addColumn<QSize>("design");
    QTest::addColumn<QSize>("nuova");
    QTest::addColumn<QRect>("atteso");
    const QSize inizio(794, 556); // the start window's design size at 96 dpi
    QTest::newRow("design size gives the design place") << QRect(30, 241, 270, 243) << inizio << inizio
                                                        << QRect(30, 241, 270, 243);
    QTest::newRow("design size, control at the far corner") << QRect(590, 371, 185, 105) << inizio << inizio
                                                             << QRect(590, 371, 185, 105);
    QTest::newRow("double width doubles left and width only") << QRect(30, 241, 270, 243) << inizio
                                                              << QSize(1588, 556) << QRect(60, 241, 540, 243);
    QTest::newRow("double height doubles top and height only") << QRect(30, 241, 270, 243) << inizio
                                                               << QSize(794, 1112) << QRect(30, 482, 270, 486);
    QTest::newRow("full HD") << QRect(100, 50, 200, 100) << QSize(800, 600) << QSize(1920, 1080)
                             << QRect(240, 90, 480, 180);
    QTest::newRow("control at the origin stays there") << QRect(0, 0, 10, 10) << QSize(100, 100)
                                                       << QSize(333, 77) << QRect(0, 0, 33, 8);
}

void TstPosizioneRelativa::riscala()
{
    QFETCH(QRect, controllo);
    QFETCH(QSize, design);
    QFETCH(QSize, nuova);
    QFETCH(QRect, atteso);
    const PosizioneRelativa p = misuraPosizione(controllo, design);
    QCOMPARE(applicaPosizione(p, nuova), atteso);
}

void TstPosizioneRelativa::finestraRidottaAZeroEPoiRipristinata()
{
    const QSize design(794, 556);
    const QRect controllo(450, 120, 300, 200);
    const PosizioneRelativa p = misuraPosizione(controllo, design);
    QCOMPARE(applicaPosizione(p, QSize(0, 0)), QRect(0, 0, 0, 0));
    // The ratios are never taken again, so restoring brings the control back.
    QCOMPARE(applicaPosizione(p, design), controllo);
    // An empty window at capture leaves every field at 0.
    const PosizioneRelativa vuota = misuraPosizione(controllo, QSize(0, 0));
    QCOMPARE(vuota.Width, 0.0f);
    QCOMPARE(vuota.Left, 0.0f);
}

QTEST_GUILESS_MAIN(TstPosizioneRelativa)
#include "tst_posizionerelativa.moc"
