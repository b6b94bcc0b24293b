// StampanteReale against a print server, in a home of the test's own, run
// three times:
//
//   tst_stampantereale              the private print server (tests/support/cups/stampante-privata.sh)
//                                   must be running: pages reach its queue TEST, stopped, with Letter
//                                   paper, rejecting jobs or refusing the page when it is handed over;
//   tst_stampantereale senzaserver  the print server named is a socket nobody listens on;
//   tst_stampantereale servermuto   the print server named is a socket of the test's that takes
//                                   connections and never answers.
//
// Every row prints the same page. Pages that cannot reach a queue go to a PDF
// file, and the user is told in Italian where it is, within the printer's wait
// limit, after the wait cursor has gone.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"
#include "support/tabella.h"

#include "frame/servizi.h"
#include "frame/stampantereale.h"

#include <QApplication>
#include <QPdfWriter>
#include <QtTest>

#include <linux/capability.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
enum class Server { Privato, Assente, Muto };
Server server = Server::Privato; // this run's
QString documenti;               // the Documents folder of the test's home

constexpr std::chrono::milliseconds attesa{1000}; // the printer's wait limit here

enum class Fine { Mai, Riuscita, Fallita }; // fineDocumento() not called, or what it says
enum class Pdf { Nessuno, Coda, Documenti, Corrente }; // where the page goes: the queue, or a PDF in a folder
enum class Cartella { Scrivibile, Assente, Bloccata }; // the Documents folder: there, missing, not writable

const QString salvata = QStringLiteral(": la pagina è stata salvata nel file\n%1");
const QString nessuna = QStringLiteral("Nessuna stampante disponibile");

// Shell commands spoiling and mending the private server's queue; the state
// of Documents; how the page ends; the message shown, %1 standing for the PDF
// file's path; where the page goes, on what paper. A failing row has no
// current folder either.
struct Riga
{
    const char *nome;
    const char *guasta, *ripara;
    Cartella cartella;
    Fine fine;
    QString messaggio;
    Pdf pdf;
    QPageSize::PageSizeId formato = QPageSize::A4;
};
const Riga conServer[] = {
    {"the page reaches the queue, nothing said", "", "", Cartella::Scrivibile, Fine::Riuscita, {}, Pdf::Coda},
    {"a page never ended never reaches the queue", "", "", Cartella::Scrivibile, Fine::Mai, {}, Pdf::Nessuno},
    {"stopped queue: told, printed once started again", "cupsdisable TEST", "cupsenable TEST", Cartella::Scrivibile,
     Fine::Riuscita,
     QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e sarà stampata quando la stampante verrà "
                    "riattivata."),
     Pdf::Coda},
    {"a queue on Letter paper gets a Letter page", "lpadmin -p TEST -o media-default=na_letter_8.5x11in",
     "lpadmin -p TEST -R media-default", Cartella::Scrivibile, Fine::Riuscita, {}, Pdf::Coda, QPageSize::Letter},
    {"queue rejecting jobs: a PDF in Documents, nothing queued", "cupsreject TEST", "cupsaccept TEST",
     Cartella::Scrivibile, Fine::Riuscita, "La stampante TEST non accetta lavori" + salvata, Pdf::Documenti},
    {"the queue refuses the page handed over: a PDF in Documents", "lpadmin -p TEST -u deny:$(id -un)",
     "lpadmin -p TEST -u allow:all", Cartella::Scrivibile, Fine::Riuscita,
     "La stampante TEST ha rifiutato la pagina" + salvata, Pdf::Documenti},
};
const Riga senzaServer[] = {
    {"a PDF in Documents", "", "", Cartella::Scrivibile, Fine::Riuscita, nessuna + salvata, Pdf::Documenti},
    {"no Documents: a PDF in the current folder", "", "", Cartella::Assente, Fine::Riuscita, nessuna + salvata,
     Pdf::Corrente},
    {"Documents not writable: a PDF in the current folder", "", "", Cartella::Bloccata, Fine::Riuscita,
     nessuna + salvata, Pdf::Corrente},
    {"Documents not writable, current folder gone: told, nothing more done", "", "", Cartella::Bloccata,
     Fine::Fallita, "Impossibile stampare. " + nessuna + " e il file %1 non può essere scritto.", Pdf::Corrente},
};
const Riga serverMuto[] = {
    {"a server that never answers: a PDF in Documents once the wait is over", "", "", Cartella::Scrivibile,
     Fine::Riuscita, "Il servizio di stampa non risponde" + salvata, Pdf::Documenti},
};

// A queue's default media and the paper it gives.
struct Formato { const char *nome, *media; QPageSize::PageSizeId atteso; };
constexpr Formato formati[] = {
    {"PWG A4", "iso_a4_210x297mm", QPageSize::A4},
    {"PWG Letter, in inches", "na_letter_8.5x11in", QPageSize::Letter},
    {"PWG A5", "iso_a5_148x210mm", QPageSize::A5},
    {"PPD Letter", "Letter", QPageSize::Letter},
    {"PPD Legal, any case", "legal", QPageSize::Legal},
    {"none named: A4", "", QPageSize::A4},
    {"not understood: A4", "roll_max_36x1000", QPageSize::A4},
};

bool esegui(const char *comando)
{
    return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromLatin1(comando)}) == 0;
}

bool preparaDocumenti(Cartella cartella)
{
    QFile::setPermissions(documenti, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (cartella == Cartella::Assente)
        return QDir(documenti).removeRecursively();
    const bool fatta = QDir().mkpath(documenti);
    return cartella == Cartella::Scrivibile
        ? fatta
        : fatta && QFile::setPermissions(documenti, QFile::ReadOwner | QFile::ExeOwner);
}

// What is wrong with the page as printed: Courier New 10 bold from half an
// inch in, one inch down; a piece left open goes on after itself, an ended
// line goes back to the left edge, an empty text is an empty line; the paper.
// Measured at the printer's resolution, in points.
QString paginaSbagliata(const QString &file, QPageSize::PageSizeId formato)
{
    const QFont font(QStringLiteral("Courier New"), 10, QFont::Bold);
    QBuffer scarto;
    QPdfWriter stampante(&scarto);
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
    const QSizeF carta = QPageSize(formato).size(QPageSize::Point);
    const QSizeF letta = paginaDelPdf(file);
    if (qAbs(letta.width() - carta.width()) > 1 || qAbs(letta.height() - carta.height()) > 1)
        return QStringLiteral("a page of %1 x %2 points").arg(letta.width()).arg(letta.height());
    const QString usato = elencoDelPdf(QStringLiteral("pdffonts"), file).value(0).value(0);
    return usato.contains(QLatin1String("Mono")) && usato.contains(QLatin1String("Bold")) ? QString() : usato;
}

// Run as root, this process would write into any folder whatever its
// permissions: without CAP_DAC_OVERRIDE a folder's permissions hold for it
// too. Programs it starts get their privileges back.
void rispettaPermessi()
{
    __user_cap_header_struct testa{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct dati[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &testa, dati) == 0) {
        dati[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &testa, dati);
    }
}

// A print server that takes connections and never answers: a socket that
// listens, whose connections the kernel completes, and nobody reads.
bool serverCheNonRisponde(const QByteArray &percorso)
{
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    if (percorso.size() >= int(sizeof(indirizzo.sun_path)))
        return false;
    std::copy(percorso.begin(), percorso.end(), indirizzo.sun_path);
    const int presa = socket(AF_UNIX, SOCK_STREAM, 0);
    return presa >= 0 && bind(presa, reinterpret_cast<sockaddr *>(&indirizzo), sizeof(indirizzo)) == 0
        && listen(presa, 16) == 0;
}
} // namespace

class TstStampanteReale final : public QObject
{
    Q_OBJECT

private slots:
    void stampa_data()
    {
        if (server == Server::Privato && PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        switch (server) {
        case Server::Privato: righeDa(conServer); break;
        case Server::Assente: righeDa(senzaServer); break;
        case Server::Muto: righeDa(serverMuto); break;
        }
    }

    void stampa()
    {
        const Riga &r = server == Server::Privato ? rigaDi(conServer)
                      : server == Server::Assente ? rigaDi(senzaServer) : rigaDi(serverMuto);
        QVERIFY(preparaDocumenti(r.cartella));
        AmbienteProva ambiente; // current folder: an empty temporary one
        QVERIFY(r.fine != Fine::Fallita || QDir().rmdir(ambiente.cartella()));
        // Whether the wait cursor was still up when each message came.
        QList<bool> cursori;
        const auto mostra = servizi().messaggio;
        servizi().messaggio = [&](const QString &testo) {
            cursori.append(QGuiApplication::overrideCursor() != nullptr);
            mostra(testo);
        };
        PdfStampato stampato;
        QVERIFY(!*r.guasta || esegui(r.guasta));
        const auto ripara = qScopeGuard([&r] { *r.ripara && esegui(r.ripara); }); // also when a check fails
        QElapsedTimer tempo;
        {
            StampanteReale s(attesa);
            s.impostaFont(QStringLiteral("Courier New"));
            s.impostaDimensione(10);
            s.impostaGrassetto(true);
            s.posiziona(720, 1440);
            s.stampa(QStringLiteral("Nome: "), false);
            s.stampa(QStringLiteral("Mario"), true);
            s.stampa(QString(), true);
            s.stampa(QStringLiteral("TERZA"), true);
            tempo.start();
            QVERIFY(r.fine == Fine::Mai || (s.fineDocumento() && !s.inErrore()) == (r.fine == Fine::Riuscita));
            // However slow the server, the page has gone or been kept within the limit, give or take.
            QVERIFY2(tempo.elapsed() < attesa.count() + 3000, qPrintable(QString::number(tempo.elapsed())));
            // In error, the printer does nothing more and says nothing more.
            s.stampa(QStringLiteral("ANCORA"), true);
            QVERIFY(r.fine != Fine::Fallita || (!s.fineDocumento() && s.inErrore()));
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!cursori.contains(true));
        // The path stands where %1 does in the message expected.
        const QString detto = ambiente.messaggi().value(0);
        const auto dove = r.messaggio.indexOf(QStringLiteral("%1"));
        const QString file = dove < 0 ? QString() : detto.mid(dove, detto.size() - r.messaggio.size() + 2);
        const QString atteso = dove < 0 ? r.messaggio : r.messaggio.arg(file);
        QCOMPARE(ambiente.messaggi(), r.messaggio.isEmpty() ? QStringList() : QStringList{atteso});
        QVERIFY(!*r.ripara || esegui(r.ripara));
        const bool inCoda = r.pdf == Pdf::Coda;
        QVERIFY(server != Server::Privato || stampato.attendi(inCoda ? 10000 : 1500) == inCoda);
        if (r.fine == Fine::Riuscita && r.pdf != Pdf::Nessuno) {
            const QString cartella[] = {{}, PdfStampato::cartella(), documenti, ambiente.cartella()};
            const QString pagina = r.pdf == Pdf::Coda ? stampato.file() : file;
            QCOMPARE(QFileInfo(pagina).absolutePath(), cartella[int(r.pdf)]);
            const QString errori = paginaSbagliata(pagina, r.formato);
            QVERIFY2(errori.isEmpty(), qPrintable(errori));
        }
    }

    void formato_data() { righeDa(formati); }
    void formato()
    {
        const Formato &f = rigaDi(formati);
        QCOMPARE(formatoPagina(QString::fromLatin1(f.media)).id(), f.atteso);
    }
};

int main(int argc, char *argv[])
{
    // Before anything asks for a printer: the client library reads these once.
    QTemporaryDir casa;
    documenti = QDir(casa.path()).filePath(QStringLiteral("Documents"));
    qputenv("HOME", QFile::encodeName(casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const QByteArray modo = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    server = modo == "senzaserver" ? Server::Assente : modo == "servermuto" ? Server::Muto : Server::Privato;
    const QByteArray presa = QFile::encodeName(casa.filePath(QStringLiteral("server.sock")));
    if (server != Server::Privato)
        qputenv("CUPS_SERVER", presa);
    if (server == Server::Muto && !serverCheNonRisponde(presa))
        return 1;
    rispettaPermessi();
    QApplication app(argc, argv);
    TstStampanteReale prova;
    return QTest::qExec(&prova, server == Server::Privato ? argc : 1, argv); // the mode is no test function
}

#include "tst_stampantereale.moc"
