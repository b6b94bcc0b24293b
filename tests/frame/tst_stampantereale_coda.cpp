// Pages printed by StampanteReale through a real CUPS queue: the private print
// server (tests/support/cups/stampante-privata.sh) copies each job into a
// folder, where it is read back as text. A stopped queue and one rejecting
// jobs are tried from the windows, in tests/robustezza/tst_guasti_stampante.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/stampantereale.h"

#include <QtTest>

class TstStampanteRealeCoda final : public QObject
{
    Q_OBJECT

private slots:
    void coda_data()
    {
        QTest::addColumn<bool>("finita");
        QTest::newRow("the page reaches the queue, nothing said") << true;
        QTest::newRow("a page never ended never reaches the queue") << false;
    }

    void coda()
    {
        QFETCH(bool, finita);
        if (PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        AmbienteProva ambiente;
        PdfStampato pdf;
        {
            StampanteReale stampante;
            stampante.posiziona(1440, 1440);
            stampante.stampa(QStringLiteral("CONSERVATA"), true);
            QVERIFY(!finita || (stampante.fineDocumento() && !stampante.inErrore()));
        }
        QCOMPARE(ambiente.messaggi(), QStringList());
        QCOMPARE(pdf.attendi(finita ? 10000 : 1500), finita);
        QVERIFY(!finita || pdf.testo().contains(QStringLiteral("CONSERVATA")));
    }
};

QTEST_MAIN(TstStampanteRealeCoda)
#include "tst_stampantereale_coda.moc"
