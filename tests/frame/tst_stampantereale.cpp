// StampanteReale against a print server, in a home of the test's own:
//
//   tst_stampantereale              the private print server (tests/support/cups/stampante-privata.sh)
//                                   must be running: pages reach its queue TEST, stopped or rejecting jobs;
//   tst_stampantereale senzaserver  the print server named is a socket nobody listens on.
//
// Every row prints the same page. Pages that cannot reach a queue go to a PDF
// file, and the user is told in Italian where it is.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"
#include "support/tabella.h"

#include "frame/stampantereale.h"

#include <QApplication>
#include <QtTest>

namespace {
bool nessunServer = false; // the run with no print server
QString documenti; // the Documents folder of the test's home

enum class Fine { Mai, Riuscita, Fallita }; // fineDocumento() not called, or what it says
enum class Pdf { Nessuno, Coda, Documenti, Corrente }; // where the page goes: the queue, or a PDF in a folder

const QString salvata = QStringLiteral(": la pagina è stata salvata nel file\n%1");
const QString nessuna = QStringLiteral("Nessuna stampante disponibile");

// Spoiling and mending commands for the private server's queue; the message
// shown, %1 standing for the PDF file's path. A failing row has no current folder.
struct Riga { const char *nome; const char *guasta, *ripara; Fine fine; QString messaggio; Pdf pdf; };
const Riga conServer[] = {
    {"the page reaches the queue, nothing said", "", "", Fine::Riuscita, {}, Pdf::Coda},
    {"a page never ended never reaches the queue", "", "", Fine::Mai, {}, Pdf::Nessuno},
    {"stopped queue: told, printed once started again", "cupsdisable", "cupsenable", Fine::Riuscita,
     QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e sarà stampata quando la stampante verrà "
                    "riattivata."), Pdf::Coda},
    {"queue rejecting jobs: a PDF in Documents, nothing queued", "cupsreject", "cupsaccept", Fine::Riuscita,
     "La stampante TEST non accetta lavori" + salvata, Pdf::Documenti},
};
const Riga senzaServer[] = {
    {"a PDF in Documents", "", "", Fine::Riuscita, nessuna + salvata, Pdf::Documenti},
    {"no Documents: a PDF in the current folder", "", "", Fine::Riuscita, nessuna + salvata, Pdf::Corrente},
    {"no Documents, current folder gone: told, nothing more done", "", "", Fine::Fallita,
     "Impossibile stampare. " + nessuna + " e il file %1 non può essere scritto.", Pdf::Corrente},
};

// Runs cupsenable, cupsdisable, cupsaccept or cupsreject on the private server's queue.
bool coda(const char *comando)
{
    return QProcess::execute(QString::fromLatin1(comando), {QStringLiteral("TEST")}) == 0;
}

// What is wrong with the page as printed: Courier New 10 bold from half an
// inch in, one inch down; a piece left open goes on after itself, an ended
// line goes back to the left edge, an empty text is an empty line. Measured
// on the printer, in points.
QString paginaSbagliata(const QString &file)
{
    const QFont font(QStringLiteral("Courier New"), 10, QFont::Bold);
    const QPrinter stampante(QPrinter::HighResolution);
    const QFontMetricsF m(font, &stampante);
    const double punto = stampante.resolution() / 72.0;
    const QList<QPair<QString, QPointF>> attese{{QStringLiteral("Nome:"), {36, 72}},
        {QStringLiteral("Mario"), {36 + m.horizontalAdvance(QStringLiteral("Nome: ")) / punto, 72}},
        {QStringLiteral("TERZA"), {0, 72 + 2 * m.height() / punto}}};
    for (const auto &[parola, dove] : attese) {
        const QRectF trovata = parolaDelPdf(file, parola);
        if ((trovata.topLeft() - dove).manhattanLength() >= 1.5) // pdftotext boxes follow the glyphs
            return QStringLiteral("%1 at %2, %3").arg(parola).arg(trovata.left()).arg(trovata.top());
    }
    const QString usato = elencoDelPdf(QStringLiteral("pdffonts"), file).value(0).value(0);
    return usato.contains(QLatin1String("Mono")) && usato.contains(QLatin1String("Bold")) ? QString() : usato;
}
} // namespace

class TstStampanteReale final : public QObject
{
    Q_OBJECT

private slots:
    void stampa_data()
    {
        if (!nessunServer && PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        nessunServer ? righeDa(senzaServer) : righeDa(conServer);
    }

    void stampa()
    {
        const Riga &r = nessunServer ? rigaDi(senzaServer) : rigaDi(conServer);
        QVERIFY(r.pdf != Pdf::Corrente ? QDir().mkpath(documenti) : QDir(documenti).removeRecursively());
        AmbienteProva ambiente; // current folder: an empty temporary one
        QVERIFY(r.fine != Fine::Fallita || QDir().rmdir(ambiente.cartella())); // not even root writes there now
        PdfStampato stampato;
        QVERIFY(!*r.guasta || coda(r.guasta));
        const auto ripara = qScopeGuard([&r] { coda(r.ripara); }); // also when a check fails
        if (r.fine == Fine::Fallita)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
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
            QVERIFY(r.fine == Fine::Mai || (s.fineDocumento() && !s.inErrore()) == (r.fine == Fine::Riuscita));
            // In error, the printer does nothing more and says nothing more.
            s.stampa(QStringLiteral("ANCORA"), true);
            QVERIFY(r.fine != Fine::Fallita || (!s.fineDocumento() && s.inErrore()));
        }
        // The path stands where %1 does in the message expected.
        const QString detto = ambiente.messaggi().value(0);
        const auto dove = r.messaggio.indexOf(QStringLiteral("%1"));
        const QString file = dove < 0 ? QString() : detto.mid(dove, detto.size() - r.messaggio.size() + 2);
        const QString atteso = dove < 0 ? r.messaggio : r.messaggio.arg(file);
        QCOMPARE(ambiente.messaggi(), r.messaggio.isEmpty() ? QStringList() : QStringList{atteso});
        QVERIFY(!*r.ripara || coda(r.ripara));
        QVERIFY(nessunServer || stampato.attendi(r.pdf == Pdf::Coda ? 10000 : 1500) == (r.pdf == Pdf::Coda));
        if (r.fine == Fine::Riuscita && r.pdf != Pdf::Nessuno) {
            const QString cartella[] = {{}, PdfStampato::cartella(), documenti, ambiente.cartella()};
            const QString pagina = r.pdf == Pdf::Coda ? stampato.file() : file;
            QCOMPARE(QFileInfo(pagina).absolutePath(), cartella[int(r.pdf)]);
            const QString errori = paginaSbagliata(pagina);
            QVERIFY2(errori.isEmpty(), qPrintable(errori));
        }
    }
};

int main(int argc, char *argv[])
{
    // Before anything asks for a printer: the client library reads these once.
    QTemporaryDir casa;
    documenti = QDir(casa.path()).filePath(QStringLiteral("Documents"));
    qputenv("HOME", QFile::encodeName(casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    nessunServer = argc > 1 && qstrcmp(argv[1], "senzaserver") == 0;
    if (nessunServer)
        qputenv("CUPS_SERVER", QFile::encodeName(casa.filePath(QStringLiteral("nessun-server.sock"))));
    QApplication app(argc, argv);
    TstStampanteReale prova;
    return QTest::qExec(&prova, nessunServer ? 1 : argc, argv); // the mode is no test function
}

#include "tst_stampantereale.moc"
