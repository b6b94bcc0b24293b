// Pages printed by StampanteReale through a real CUPS queue: the private print
// server started by scripts/test.sh (tests/support/cups/stampante-privata.sh)
// copies each job into a folder, where it is read back as text. The queue is
// also stopped and made to reject jobs, to check what the user is told.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/stampantereale.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstStampanteRealeCoda final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa; // HOME, so a page kept as PDF lands in its Documents

private slots:
    void initTestCase()
    {
        qputenv("HOME", QFile::encodeName(m_casa.path()));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(m_casa.path()).mkpath(QStringLiteral("Documents")));
    }

    void coda_data()
    {
        QTest::addColumn<QString>("metti"); // puts the queue TEST in a state; togli puts it back
        QTest::addColumn<QString>("togli");
        QTest::addColumn<bool>("finita");
        QTest::addColumn<QString>("messaggio"); // the start of the one message; empty: none
        QTest::addColumn<int>("lavoro");        // 0 never reaches the queue, 1 at once, 2 when put back

        QTest::newRow("the page reaches the queue, nothing said") << "" << "" << true << "" << 1;
        QTest::newRow("a page never ended never reaches the queue") << "" << "" << false << "" << 0;
        QTest::newRow("stopped queue: the page waits, the user is told")
            << "cupsdisable" << "cupsenable" << true
            << "La stampante TEST è ferma: la pagina resta in coda e sarà stampata quando la stampante verrà "
               "riattivata." << 2;
        QTest::newRow("queue rejecting jobs: the page goes to a PDF in Documents")
            << "cupsreject" << "cupsaccept" << true
            << "La stampante TEST non accetta lavori: la pagina è stata salvata nel file\n" << 0;
    }

    void coda()
    {
        QFETCH(QString, metti);
        QFETCH(QString, togli);
        QFETCH(bool, finita);
        QFETCH(QString, messaggio);
        QFETCH(int, lavoro);
        if (PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        AmbienteProva ambiente;
        PdfStampato pdf;
        QVERIFY(metti.isEmpty() || QProcess::execute(metti, {QStringLiteral("TEST")}) == 0);
        const auto rimetti = [&] { if (!togli.isEmpty()) QProcess::execute(togli, {QStringLiteral("TEST")}); };
        const auto allaFine = qScopeGuard(rimetti); // even when the test fails half-way
        {
            StampanteReale stampante;
            stampante.posiziona(1440, 1440);
            stampante.stampa(QStringLiteral("CONSERVATA"), true);
            QVERIFY(!finita || (stampante.fineDocumento() && !stampante.inErrore()));
        }
        QCOMPARE(ambiente.messaggi().size(), messaggio.isEmpty() ? 0 : 1);
        QVERIFY(messaggio.isEmpty() || ambiente.messaggi().at(0).startsWith(messaggio));
        // A job shows up within half a second.
        QCOMPARE(pdf.attendi(lavoro == 1 ? 10000 : 1500), lavoro == 1);
        if (lavoro == 2) {
            rimetti();
            QVERIFY2(pdf.attendi(), "the page did not come out when the queue was started again");
        }
        QVERIFY(lavoro == 0 || pdf.testo().contains(QStringLiteral("CONSERVATA")));
        if (messaggio.endsWith('\n')) {
            const QString file = ambiente.messaggi().at(0).mid(messaggio.size());
            QCOMPARE(QFileInfo(file).absolutePath(), m_casa.filePath(QStringLiteral("Documents")));
            QVERIFY(testoDelPdf(file).contains(QStringLiteral("CONSERVATA")));
        }
    }
};

QTEST_MAIN(TstStampanteRealeCoda)
#include "tst_stampantereale_coda.moc"
