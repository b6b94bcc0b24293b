// Printer faults seen from the windows, as the report, the certificate and
// the worksheet are printed: no print server at all, or the queue of the
// private print server (tests/support/cups/stampante-privata.sh) stopped or
// rejecting jobs. Each time the user gets one Italian message (the page waits
// in the queue, or is kept as a PDF in Documents whose name the message
// gives), the shared state is as before, and the window stays usable.
//
//   tst_guasti_stampante [senzaserver] [QtTest options]
//
// With "senzaserver" the print server named is a socket that does not exist;
// otherwise the private one must be running.

#include "printing/serieprova.h"
#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestra.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class Guasto { SenzaServer, CodaFerma, CodaCheRifiuta };

bool senzaServer = false;
QString documenti; // Documents in a home of the test's own: where pages are kept as PDFs
const QString ferma = QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e sarà stampata quando la "
                                     "stampante verrà riattivata.");

// Stops the private server's queue or makes it reject jobs (guasta), or undoes that.
bool cambiaCoda(Guasto guasto, bool guasta)
{
    const char *comando[2][2] = {{"cupsenable", "cupsdisable"}, {"cupsaccept", "cupsreject"}};
    return guasto == Guasto::SenzaServer
           || QProcess::execute(QString::fromLatin1(comando[guasto == Guasto::CodaCheRifiuta][guasta]),
                                {QStringLiteral("TEST")}) == 0;
}

// What a print must leave as it was.
QStringList statoCondiviso()
{
    const Modulo2 &m = modulo2();
    QStringList stato{m.NomeAlunno, m.Valutazione, QString::number(m.NumeroOperazioni),
                      QString::number(m.RisposteEsatte)};
    for (int r = 0; r <= ElencoTesti<90>::ultimo; ++r)
        stato << m.ElencoOperazioni.valore(r) << m.SchedaAlunni.valore(r) << m.TempiEsercizi.valore(r);
    return stato;
}

// Presses the usable button with that caption; false when there is none.
bool premi(QWidget *finestra, const QString &testo)
{
    for (QPushButton *p : finestra->findChildren<QPushButton *>()) {
        const auto *o = qobject_cast<PulsanteOpzione *>(p);
        if ((o ? o->caption() : p->text()) == testo && p->isVisible() && p->isEnabled()) {
            QTest::mouseClick(p, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Guasto)

class TstGuastiStampante final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!senzaServer && PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
    }
    void guasto_data();
    void guasto();
};

void TstGuastiStampante::guasto_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QStringList>("scelte"); // pressed before the print
    QTest::addColumn<QString>("stampa");
    QTest::addColumn<QString>("testo"); // some text of the page
    QTest::addColumn<Guasto>("guasto");
    const char *descrizioni[] = {"no print server", "stopped queue", "queue rejecting jobs"};
    for (const Guasto g : senzaServer ? QList{Guasto::SenzaServer} : QList{Guasto::CodaFerma, Guasto::CodaCheRifiuta}) {
        const char *d = descrizioni[int(g)];
        QTest::addRow("report, %s", d) << nomi::FrmStampaEsercizio << QStringList() << QStringLiteral("STAMPA")
                                       << QStringLiteral("Esercizio n.2") << g;
        QTest::addRow("certificate, %s", d) << nomi::FrmAttestato << QStringList()
                                            << QStringLiteral("STAMPA L'ATTESTATO") << QString() << g;
        QTest::addRow("worksheet, %s", d) << nomi::FrmStampaSchede
                                          << QStringList{QStringLiteral("Calcola risultato"),
                                                         QStringLiteral("da 30  a  70"),
                                                         QStringLiteral("VISUALIZZA SCHEDA ALUNNI")}
                                          << QStringLiteral("STAMPA SCHEDA ALUNNI")
                                          << QStringLiteral("Cognome e nome:") << g;
    }
}

void TstGuastiStampante::guasto()
{
    QFETCH(QString, finestra);
    QFETCH(QStringList, scelte);
    QFETCH(QString, stampa);
    QFETCH(QString, testo);
    QFETCH(Guasto, guasto);
    AmbienteProva ambiente;
    servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    serieprova::riempi(20, 17);
    modulo2().NomeAlunno = QStringLiteral("Anna");
    modulo2().Operazione = modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
    Finestra *f = Finestre::istanza().mostra(finestra);
    QVERIFY(f && QTest::qWaitForWindowActive(f));
    for (const QString &scelta : scelte)
        QVERIFY2(premi(f, scelta), qPrintable(scelta));
    const QStringList prima = statoCondiviso();

    PdfStampato pdf;
    QVERIFY(cambiaCoda(guasto, true));
    const auto ripara = qScopeGuard([guasto] { cambiaCoda(guasto, false); });
    const QString prefisso = guasto == Guasto::SenzaServer ? QStringLiteral("Nessuna stampante disponibile")
                                                           : QStringLiteral("La stampante TEST non accetta lavori");
    // Usable: it prints again, into a PDF of its own. (A stopped queue keeps one page.)
    for (int volta = 1; volta <= (guasto == Guasto::CodaFerma ? 1 : 2); ++volta) {
        QVERIFY(premi(f, stampa));
        QCOMPARE(ambiente.messaggi().size(), volta);
        const QString messaggio = ambiente.messaggi().constLast();
        QCOMPARE(statoCondiviso(), prima);
        if (guasto == Guasto::CodaFerma) {
            QCOMPARE(messaggio, ferma);
            continue;
        }
        QVERIFY2(messaggio.startsWith(prefisso + QStringLiteral(": la pagina è stata salvata nel file\n")),
                 qPrintable(messaggio));
        const QFileInfo file(messaggio.section(QLatin1Char('\n'), 1));
        QCOMPARE(file.absolutePath(), documenti);
        QVERIFY2(file.size() > 0 && testoDelPdf(file.filePath()).contains(testo), qPrintable(file.filePath()));
        QVERIFY(QFile::remove(file.filePath()));
    }

    // A stopped queue keeps the page and prints it once started again; a
    // rejecting one never got it.
    QVERIFY(cambiaCoda(guasto, false));
    if (guasto == Guasto::CodaFerma)
        QVERIFY2(pdf.attendi(), "the page kept in the stopped queue never came out");
    else if (guasto == Guasto::CodaCheRifiuta)
        QVERIFY2(pdf.nessunLavoro(1500), "the queue that rejects jobs printed");
}

int main(int argc, char *argv[])
{
    QTemporaryDir casa;
    documenti = QDir(casa.path()).filePath(QStringLiteral("Documents"));
    if (!casa.isValid() || !QDir().mkpath(documenti))
        return 1;
    qputenv("HOME", QFile::encodeName(casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    senzaServer = argc > 1 && qstrcmp(argv[1], "senzaserver") == 0;
    if (senzaServer) {
        qputenv("CUPS_SERVER", QFile::encodeName(casa.filePath(QStringLiteral("nessun-server.sock"))));
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    QApplication app(argc, argv);
    TstGuastiStampante prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_guasti_stampante.moc"
