// StampanteReale against a print server, in a home of the test's own:
//
//   tst_stampantereale              the private print server (tests/support/cups/stampante-privata.sh)
//                                   must be running: pages reach its queue TEST, stopped or rejecting jobs;
//   tst_stampantereale senzaserver  the print server named is a socket nobody listens on.
//
// Pages that cannot reach a queue go to a PDF file, and the user is told in Italian where it is.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/stampantereale.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool senzaServer = false;
QString documenti; // the Documents folder of the test's home

const QString salvata = QStringLiteral(": la pagina è stata salvata nel file\n");
const QString nessunaStampante = QStringLiteral("Nessuna stampante disponibile");

// The PDF named by the one message shown, when it begins with the prefix; else empty.
QString pdfDelMessaggio(const QStringList &messaggi, const QString &prefisso)
{
    return messaggi.size() == 1 && messaggi.at(0).startsWith(prefisso) ? messaggi.at(0).mid(prefisso.size())
                                                                        : QString();
}

// Runs cupsenable, cupsdisable, cupsaccept or cupsreject on the private server's queue.
bool coda(const QString &comando)
{
    return QProcess::execute(comando, {QStringLiteral("TEST")}) == 0;
}

// Width of the text and line height of the font, in points, measured at the printer's 1200 dpi.
QSizeF misura(const QFont &font, const QString &testo)
{
    QImage superficie(1, 1, QImage::Format_RGB32);
    superficie.setDotsPerMeterX(qRound(1200 / 0.0254));
    superficie.setDotsPerMeterY(qRound(1200 / 0.0254));
    const QFontMetricsF m(font, &superficie);
    return QSizeF(m.horizontalAdvance(testo), m.height()) * 72.0 / 1200;
}
} // namespace

class TstStampanteReale final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!senzaServer && PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
    }

    void stampa_data()
    {
        QTest::addColumn<QString>("guasta");  // the command that spoils the queue first; empty: none
        QTest::addColumn<QString>("ripara");  // the one that mends it after the page
        QTest::addColumn<bool>("finita");     // the page ended
        QTest::addColumn<QString>("messaggio"); // ending in a line end: followed by where the PDF is
        QTest::addColumn<bool>("cartellaDocumenti");
        QTest::addColumn<bool>("inCoda"); // the page comes out of the queue
        const QString fallita = QStringLiteral("La stampante TEST non accetta lavori") + salvata;
        const QString ferma = QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e sarà stampata "
                                             "quando la stampante verrà riattivata.");
        if (senzaServer) {
            QTest::newRow("no server: a PDF in Documents")
                << QString() << QString() << true << nessunaStampante + salvata << true << false;
            QTest::newRow("no server, no Documents: a PDF in the current folder")
                << QString() << QString() << true << nessunaStampante + salvata << false << false;
            return;
        }
        QTest::newRow("the page reaches the queue, nothing said")
            << QString() << QString() << true << QString() << true << true;
        QTest::newRow("a page never ended never reaches the queue")
            << QString() << QString() << false << QString() << true << false;
        QTest::newRow("stopped queue: told, printed once started again")
            << "cupsdisable" << "cupsenable" << true << ferma << true << true;
        QTest::newRow("queue rejecting jobs: a PDF in Documents, nothing queued")
            << "cupsreject" << "cupsaccept" << true << fallita << true << false;
    }

    void stampa()
    {
        QFETCH(QString, guasta);
        QFETCH(QString, ripara);
        QFETCH(bool, finita);
        QFETCH(QString, messaggio);
        QFETCH(bool, cartellaDocumenti);
        QFETCH(bool, inCoda);
        QVERIFY(cartellaDocumenti ? QDir().mkpath(documenti) : QDir(documenti).removeRecursively());
        AmbienteProva ambiente; // current folder: an empty temporary one
        PdfStampato pdf;
        QVERIFY(guasta.isEmpty() || coda(guasta));
        const auto aggiusta = qScopeGuard([&] {
            if (!ripara.isEmpty())
                coda(ripara);
        });
        {
            StampanteReale stampante;
            stampante.posiziona(1440, 1440);
            stampante.stampa(QStringLiteral("CONSERVATA"), true);
            QVERIFY(!finita || (stampante.fineDocumento() && !stampante.inErrore()));
        }
        if (messaggio.endsWith(QLatin1Char('\n'))) {
            const QFileInfo file(pdfDelMessaggio(ambiente.messaggi(), messaggio));
            QVERIFY2(file.isFile(), qPrintable(ambiente.messaggi().join('|')));
            QCOMPARE(file.absolutePath(), cartellaDocumenti ? documenti : ambiente.cartella());
            QCOMPARE(testoDelPdf(file.filePath()).trimmed(), QStringLiteral("CONSERVATA"));
        } else {
            QCOMPARE(ambiente.messaggi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        }
        QVERIFY(ripara.isEmpty() || coda(ripara));
        if (senzaServer)
            return;
        QCOMPARE(pdf.attendi(inCoda ? 10000 : 1500), inCoda);
        QVERIFY(!inCoda || pdf.testo().contains(QStringLiteral("CONSERVATA")));
    }

    // Courier New 10 bold from half an inch in, one inch down: a piece left open
    // goes on after itself, an ended line goes back to the left edge, an empty
    // text is an empty line.
    void pagina()
    {
        if (!senzaServer)
            QSKIP("placed on a PDF page: run with senzaserver");
        AmbienteProva ambiente;
        {
            StampanteReale s;
            s.impostaFont(QStringLiteral("Courier New"));
            s.impostaDimensione(10);
            s.impostaGrassetto(true);
            s.posiziona(720, 1440);
            s.stampa(QStringLiteral("Nome: "), false);
            s.stampa(QStringLiteral("Mario"), true);
            s.stampa(QString(), true);
            s.stampa(QStringLiteral("TERZA"), true);
            QVERIFY(s.fineDocumento());
        }
        const QString file = pdfDelMessaggio(ambiente.messaggi(), nessunaStampante + salvata);
        QFont font(QStringLiteral("Courier New"));
        font.setPointSizeF(10);
        font.setBold(true);
        const QSizeF nome = misura(font, QStringLiteral("Nome: "));
        const QList<QPair<QString, QPointF>> attese{{QStringLiteral("Nome:"), {36, 72}},
                                                    {QStringLiteral("Mario"), {36 + nome.width(), 72}},
                                                    {QStringLiteral("TERZA"), {0, 72 + 2 * nome.height()}}};
        for (const auto &[parola, dove] : attese) {
            const QRectF trovata = parolaDelPdf(file, parola);
            QVERIFY2((trovata.topLeft() - dove).manhattanLength() < 1.5, // points: pdftotext boxes follow the glyphs
                     qPrintable(QStringLiteral("%1 at %2, %3").arg(parola).arg(trovata.left()).arg(trovata.top())));
        }
        const QList<QStringList> usati = elencoDelPdf(QStringLiteral("pdffonts"), file);
        QCOMPARE(usati.size(), 1);
        QVERIFY2(usati.at(0).at(0).contains(QLatin1String("Mono")) && usati.at(0).at(0).contains(QLatin1String("Bold")),
                 qPrintable(usati.at(0).at(0)));
    }

    // No documents folder and a current folder that no longer exists: even root cannot write there.
    void fileNonScrivibile()
    {
        if (!senzaServer)
            QSKIP("only without a print server");
        QVERIFY(QDir(documenti).removeRecursively());
        AmbienteProva ambiente;
        QTemporaryDir altrove;
        QVERIFY(QDir::setCurrent(altrove.path()) && QDir().rmdir(altrove.path()));
        StampanteReale stampante;
        stampante.stampa(QStringLiteral("PERSA"), true);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!stampante.fineDocumento() && stampante.inErrore());
        QCOMPARE(ambiente.messaggi().size(), 1);
        QVERIFY(ambiente.messaggi().at(0).startsWith(
            QStringLiteral("Impossibile stampare. Nessuna stampante disponibile e il file ")));
        QVERIFY(ambiente.messaggi().at(0).endsWith(QStringLiteral(" non può essere scritto.")));
        // In error, the printer does nothing more and says nothing more.
        stampante.stampa(QStringLiteral("ANCORA"), true);
        QVERIFY(!stampante.fineDocumento());
        QCOMPARE(ambiente.messaggi().size(), 1);
    }
};

int main(int argc, char *argv[])
{
    // Before anything asks for a printer: the client library reads these once.
    QTemporaryDir casa;
    documenti = QDir(casa.path()).filePath(QStringLiteral("Documents"));
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
    TstStampanteReale prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_stampantereale.moc"
