// The grading scale listed by the grading window, checked against the grading
// the certificate applies.
#include "printing/valutazione.h"
#include "start/scalavalutazione.h"

#include <QtTest>

namespace {

// The grade the certificate gives to esatte right answers out of operazioni.
QString votoAttestato(int esatte, int operazioni)
{
    return ValutazioneDaPunteggio(Punteggio(esatte, operazioni));
}

} // namespace

class TstScalaValutazione final : public QObject
{
    Q_OBJECT

private slots:
    void righe_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("voto");
        QTest::addColumn<QString>("punteggio");
        QTest::addColumn<QString>("quota");

        QTest::newRow("best grade reaches the top score") << 0 << "OTTIMO" << "9 - 10" << "90% o più";
        QTest::newRow("one score, a ten-point band") << 1 << "DISTINTO" << "8" << "da 80% a meno di 90%";
        QTest::newRow("BUONO") << 2 << "BUONO" << "7" << "da 70% a meno di 80%";
        QTest::newRow("SUFFICIENTE") << 3 << "SUFFICIENTE" << "6" << "da 60% a meno di 70%";
        QTest::newRow("exclamation mark kept") << 4 << "SUFFICIENTE (!)" << "5" << "da 50% a meno di 60%";
        QTest::newRow("lowest grade from 0") << 5 << "Non classificato" << "0 - 4" << "meno di 50%";
    }

    void righe()
    {
        QFETCH(int, indice);
        QFETCH(QString, voto);
        QFETCH(QString, punteggio);
        QFETCH(QString, quota);
        const auto righe = righeScala();
        QCOMPARE(righe.size(), std::size_t{6});
        const RigaScala &riga = righe.at(static_cast<std::size_t>(indice));
        QCOMPARE(riga.voto, voto);
        QCOMPARE(riga.punteggio, punteggio);
        QCOMPARE(riga.quota, quota);
    }

    // Every score the scale lists for a grade earns that grade on the
    // certificate, and the scale leaves no score out.
    void punteggiComeLAttestato()
    {
        int coperti = 0;
        for (const RigaScala &riga : righeScala()) {
            const QStringList estremi = riga.punteggio.split(QStringLiteral(" - "));
            const int minimo = estremi.first().toInt();
            const int massimo = estremi.last().toInt();
            for (int p = minimo; p <= massimo; ++p) {
                QCOMPARE(ValutazioneDaPunteggio(p), riga.voto);
                ++coperti;
            }
        }
        QCOMPARE(coperti, valutazione::punteggioMassimo + 1);
    }

    // The lowest share a grade names earns it on the certificate; one right
    // answer fewer does not.
    void confiniComeLAttestato_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::newRow("series of 20") << 20;
        QTest::newRow("100 operations") << 100;
        QTest::newRow("10 operations, the least for a certificate") << 10;
    }

    void confiniComeLAttestato()
    {
        QFETCH(int, operazioni);
        const QRegularExpression percento(QStringLiteral("^(?:da )?(\\d+)%"));
        for (const RigaScala &riga : righeScala()) {
            const auto trovato = percento.match(riga.quota);
            if (!trovato.hasMatch()) {
                // "meno di 50%": no answer at all still earns the lowest grade.
                QCOMPARE(votoAttestato(0, operazioni), riga.voto);
                continue;
            }
            const int esatteMinime = trovato.captured(1).toInt() * operazioni / 100;
            QCOMPARE(votoAttestato(esatteMinime, operazioni), riga.voto);
            QVERIFY2(votoAttestato(esatteMinime - 1, operazioni) != riga.voto, qPrintable(riga.voto));
        }
    }

    void regole()
    {
        QCOMPARE(regoleValutazione(),
                 QStringLiteral("Punteggio: risposte esatte x 10 : operazioni eseguite, senza decimali.\n\n"
                                "L'attestato si stampa con almeno 10 operazioni e una valutazione diversa da "
                                "\"Non classificato\"."));
    }
};

QTEST_GUILESS_MAIN(TstScalaValutazione)
#include "tst_scalavalutazione.moc"
