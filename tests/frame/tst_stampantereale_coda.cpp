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

namespace {
const QString coda = QStringLiteral("TEST"); // the private server's default queue
constexpr double puntiPerTwip = 1.0 / 20.0;
// pdftotext measures a word's box from the glyphs: allow a point and a half.
constexpr double tolleranzaPunti = 1.5;
constexpr int attesaLavoroAssente = 1500; // ms; a job shows up within 0.5 s

bool comandoCoda(const QString &comando)
{
    return QProcess::execute(comando, {coda}) == 0;
}

// Puts the queue in a state (cupsdisable, cupsreject) and back (cupsenable,
// cupsaccept) when the test ends, even when it fails half-way.
class StatoCodaProvvisorio final
{
public:
    StatoCodaProvvisorio(const QString &metti, QString togli)
        : m_togli(std::move(togli))
        , m_riuscito(comandoCoda(metti))
    {
    }
    ~StatoCodaProvvisorio() { comandoCoda(m_togli); }
    StatoCodaProvvisorio(const StatoCodaProvvisorio &) = delete;
    StatoCodaProvvisorio &operator=(const StatoCodaProvvisorio &) = delete;

    bool riuscito() const { return m_riuscito; }
    void ripristina() { comandoCoda(m_togli); }

private:
    QString m_togli;
    bool m_riuscito = false;
};

// One line of text at x, y (twips) on a page of its own; true when the page went.
bool stampaRiga(const QString &font, double punti, int x, int y, const QString &testo)
{
    StampanteReale reale;
    Stampante &stampante = reale;
    stampante.impostaFont(font);
    stampante.impostaDimensione(punti);
    stampante.posiziona(x, y);
    stampante.stampa(testo);
    return stampante.fineDocumento() && !stampante.inErrore();
}
} // namespace

class TstStampanteRealeCoda final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void testoAlPostoGiusto_data();
    void testoAlPostoGiusto();
    void paginaNonFinita();
    void codaFermaTieneLaPagina();
    void codaCheRifiutaSalvaIlPdf();

private:
    QTemporaryDir m_casa; // HOME, so a page kept as PDF lands in its Documents
};

void TstStampanteRealeCoda::initTestCase()
{
    QVERIFY(m_casa.isValid());
    qputenv("HOME", QFile::encodeName(m_casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    QVERIFY(QDir(m_casa.path()).mkpath(QStringLiteral("Documents")));
}

void TstStampanteRealeCoda::init()
{
    if (PdfStampato::cartella().isEmpty())
        QSKIP(PdfStampato::senzaServer);
}

void TstStampanteRealeCoda::testoAlPostoGiusto_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<double>("punti");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("testo");

    QTest::newRow("1440 twips: un pollice dal bordo sinistro e dall'alto")
        << QStringLiteral("Arial") << 12.0 << 1440 << 1440 << QStringLiteral("TARVELO");
    QTest::newRow("Courier New, mezzo pollice a sinistra, due in alto")
        << QStringLiteral("Courier New") << 10.0 << 720 << 2880 << QStringLiteral("12+34=46");
    QTest::newRow("grande, lontano dall'origine") << QStringLiteral("Arial") << 20.0 << 7200 << 12000
                                                 << QStringLiteral("ATTESTATO");
}

void TstStampanteRealeCoda::testoAlPostoGiusto()
{
    QFETCH(QString, font);
    QFETCH(double, punti);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, testo);

    AmbienteProva ambiente;
    PdfStampato pdf;
    QVERIFY(stampaRiga(font, punti, x, y, testo));
    QVERIFY2(pdf.attendi(), "nessun lavoro arrivato alla coda");
    QCOMPARE(ambiente.messaggi(), QStringList());

    const auto parole = pdf.parole();
    const ParolaStampata *parola = trovaParola(parole, testo);
    QVERIFY2(parola, qPrintable(pdf.testo()));
    QVERIFY2(qAbs(parola->sinistra - x * puntiPerTwip) < tolleranzaPunti, qPrintable(QString::number(parola->sinistra)));
    QVERIFY2(qAbs(parola->alto - y * puntiPerTwip) < tolleranzaPunti, qPrintable(QString::number(parola->alto)));
    QVERIFY(QDir(m_casa.filePath(QStringLiteral("Documents"))).isEmpty());
}

void TstStampanteRealeCoda::paginaNonFinita()
{
    AmbienteProva ambiente;
    PdfStampato pdf;
    {
        StampanteReale reale;
        Stampante &stampante = reale;
        stampante.posiziona(1440, 1440);
        stampante.stampa(QStringLiteral("ABBANDONATA"));
    }
    QVERIFY2(pdf.nessunLavoro(attesaLavoroAssente), "una pagina mai finita è arrivata alla coda");
    QCOMPARE(ambiente.messaggi(), QStringList());
}

void TstStampanteRealeCoda::codaFermaTieneLaPagina()
{
    AmbienteProva ambiente;
    PdfStampato pdf;
    StatoCodaProvvisorio ferma(QStringLiteral("cupsdisable"), QStringLiteral("cupsenable"));
    QVERIFY(ferma.riuscito());

    QVERIFY(stampaRiga(QStringLiteral("Arial"), 12, 1440, 1440, QStringLiteral("ATTESA")));
    QCOMPARE(ambiente.messaggi(), QStringList{QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e "
                                                             "sarà stampata quando la stampante verrà riattivata.")});
    QVERIFY2(pdf.nessunLavoro(attesaLavoroAssente), "una coda ferma ha stampato");

    ferma.ripristina();
    QVERIFY2(pdf.attendi(), "la pagina non è uscita alla riattivazione della coda");
    QVERIFY2(pdf.testo().contains(QStringLiteral("ATTESA")), qPrintable(pdf.testo()));
}

void TstStampanteRealeCoda::codaCheRifiutaSalvaIlPdf()
{
    AmbienteProva ambiente;
    PdfStampato pdf;
    StatoCodaProvvisorio rifiuta(QStringLiteral("cupsreject"), QStringLiteral("cupsaccept"));
    QVERIFY(rifiuta.riuscito());

    QVERIFY(stampaRiga(QStringLiteral("Arial"), 12, 1440, 1440, QStringLiteral("CONSERVATA")));
    QCOMPARE(ambiente.messaggi().size(), 1);
    const QString prefisso = QStringLiteral("La stampante TEST non accetta lavori: la pagina è stata salvata nel file\n");
    const QString messaggio = ambiente.messaggi().constFirst();
    QVERIFY2(messaggio.startsWith(prefisso), qPrintable(messaggio));

    const QString file = messaggio.mid(prefisso.size());
    QCOMPARE(QFileInfo(file).absolutePath(), m_casa.filePath(QStringLiteral("Documents")));
    QVERIFY2(testoDelPdf(file).contains(QStringLiteral("CONSERVATA")), qPrintable(file));
    QVERIFY2(pdf.nessunLavoro(attesaLavoroAssente), "la coda che rifiuta ha ricevuto il lavoro");
    QVERIFY(QFile::remove(file));
}

QTEST_MAIN(TstStampanteRealeCoda)
#include "tst_stampantereale_coda.moc"
