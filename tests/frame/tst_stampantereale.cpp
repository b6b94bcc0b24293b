// StampanteReale with no print server answering (CUPS_SERVER names a socket
// nobody listens on): the page goes to a PDF file, which is read back as text
// with the places of its words, and the user is told in Italian where it is.
// A page never ended goes nowhere.
// Also the fonts the printer offers, "Courier New" and "Courier" included.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/stampantereale.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

namespace {
using Righe = QList<std::pair<QString, bool>>; // text, aCapo

constexpr double puntiPerTwip = 1.0 / 20.0;
constexpr double tolleranzaPunti = 1.5; // pdftotext boxes follow the glyphs
const QString prefissoMessaggio = QStringLiteral("Nessuna stampante disponibile: la pagina è stata salvata nel file\n");

// Font metrics in points, measured at the printer's resolution.
class MetricaPunti final
{
public:
    MetricaPunti(const QString &famiglia, double punti)
    {
        m_superficie.setDotsPerMeterX(qRound(dpi / 0.0254));
        m_superficie.setDotsPerMeterY(qRound(dpi / 0.0254));
        m_font.setFamily(famiglia);
        m_font.setPointSizeF(punti);
    }
    double altezzaRiga() const { return QFontMetricsF(m_font, &m_superficie).height() * 72.0 / dpi; }
    double larghezza(const QString &testo) const
    {
        return QFontMetricsF(m_font, &m_superficie).horizontalAdvance(testo) * 72.0 / dpi;
    }

private:
    static constexpr int dpi = 1200;
    QImage m_superficie{1, 1, QImage::Format_RGB32};
    QFont m_font;
};

// The file named by the one message shown, or empty when it is not the PDF message.
QString fileDelMessaggio(const QStringList &messaggi)
{
    if (messaggi.size() != 1 || !messaggi.constFirst().startsWith(prefissoMessaggio))
        return {};
    return messaggi.constFirst().mid(prefissoMessaggio.size());
}
} // namespace

class TstStampanteReale final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void paginaNelPdf_data();
    void paginaNelPdf();
    void righe_data();
    void righe();
    void fontOfferti_data();
    void fontOfferti();
    void immagineAGrandezzaNaturale_data();
    void immagineAGrandezzaNaturale();
    void paginaNonFinita();
    void fileNonScrivibile();

private:
    std::unique_ptr<QTemporaryDir> m_casa; // HOME of each test
};

void TstStampanteReale::init()
{
    m_casa = std::make_unique<QTemporaryDir>();
    QVERIFY(m_casa->isValid());
    qputenv("HOME", QFile::encodeName(m_casa->path()));
}

void TstStampanteReale::paginaNelPdf_data()
{
    QTest::addColumn<QString>("cartellaDocumenti"); // made under HOME; empty: none
    QTest::addColumn<QString>("userDirs");          // ~/.config/user-dirs.dirs; empty: none
    QTest::addColumn<bool>("nellaCartellaCorrente");

    QTest::newRow("cartella Documents della casa") << QStringLiteral("Documents") << QString() << false;
    QTest::newRow("cartella dei documenti da user-dirs.dirs")
        << QStringLiteral("Documenti") << QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"\n") << false;
    QTest::newRow("nessuna cartella dei documenti: cartella corrente") << QString() << QString() << true;
    QTest::newRow("user-dirs.dirs nomina una cartella che non c'è: cartella corrente")
        << QString() << QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"\n") << true;
}

void TstStampanteReale::paginaNelPdf()
{
    QFETCH(QString, cartellaDocumenti);
    QFETCH(QString, userDirs);
    QFETCH(bool, nellaCartellaCorrente);

    AmbienteProva ambiente; // current folder: an empty temporary one
    const QDir casa(m_casa->path());
    if (!cartellaDocumenti.isEmpty())
        QVERIFY(casa.mkpath(cartellaDocumenti));
    if (!userDirs.isEmpty()) {
        QVERIFY(casa.mkpath(QStringLiteral(".config")));
        QFile file(casa.filePath(QStringLiteral(".config/user-dirs.dirs")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(userDirs.toUtf8());
    }

    {
        StampanteReale reale;
        Stampante &stampante = reale;
        stampante.impostaFont(QStringLiteral("Arial"));
        stampante.impostaDimensione(14);
        stampante.posiziona(1440, 2160);
        stampante.stampa(QStringLiteral("Esercizio 7 + 5 = 12"));
        QVERIFY(stampante.fineDocumento());
        QVERIFY(!stampante.inErrore());
    }

    const QString file = fileDelMessaggio(ambiente.messaggi());
    QVERIFY2(!file.isEmpty(), qPrintable(ambiente.messaggi().join(QLatin1Char('|'))));
    const QString attesa = nellaCartellaCorrente ? ambiente.cartella() : casa.filePath(cartellaDocumenti);
    QCOMPARE(QFileInfo(file).absolutePath(), attesa);
    QVERIFY2(QFileInfo(file).fileName().startsWith(QStringLiteral("TARVELO-")), qPrintable(file));

    QCOMPARE(testoDelPdf(file).trimmed(), QStringLiteral("Esercizio 7 + 5 = 12"));
    const auto parole = paroleDelPdf(file);
    const ParolaStampata *prima = trovaParola(parole, QStringLiteral("Esercizio"));
    QVERIFY(prima);
    QVERIFY2(qAbs(prima->sinistra - 72.0) < tolleranzaPunti, qPrintable(QString::number(prima->sinistra)));
    QVERIFY2(qAbs(prima->alto - 108.0) < tolleranzaPunti, qPrintable(QString::number(prima->alto)));
}

void TstStampanteReale::righe_data()
{
    QTest::addColumn<Righe>("righe");
    QTest::addColumn<QString>("ultima");   // the word whose place is checked
    QTest::addColumn<bool>("dalBordo");    // it starts at the left edge; else after the first text
    QTest::addColumn<int>("righeSotto");   // lines below the first one

    QTest::newRow("a capo: la riga dopo parte dal bordo sinistro")
        << Righe{{QStringLiteral("PRIMA"), true}, {QStringLiteral("SECONDA"), true}} << QStringLiteral("SECONDA")
        << true << 1;
    QTest::newRow("riga lasciata aperta: il testo continua dopo")
        << Righe{{QStringLiteral("Nome: "), false}, {QStringLiteral("Mario"), true}} << QStringLiteral("Mario")
        << false << 0;
    QTest::newRow("testo vuoto: una riga vuota")
        << Righe{{QStringLiteral("PRIMA"), true}, {QString(), true}, {QStringLiteral("TERZA"), true}}
        << QStringLiteral("TERZA") << true << 2;
}

void TstStampanteReale::righe()
{
    QFETCH(Righe, righe);
    QFETCH(QString, ultima);
    QFETCH(bool, dalBordo);
    QFETCH(int, righeSotto);

    constexpr int x = 2880;
    constexpr int y = 2880;
    AmbienteProva ambiente;
    {
        StampanteReale reale;
        Stampante &stampante = reale;
        stampante.impostaFont(QStringLiteral("Arial"));
        stampante.impostaDimensione(12);
        stampante.posiziona(x, y);
        for (const auto &[testo, aCapo] : righe)
            stampante.stampa(testo, aCapo);
        QVERIFY(stampante.fineDocumento());
    }
    const QString file = fileDelMessaggio(ambiente.messaggi());
    QVERIFY(!file.isEmpty());
    const auto parole = paroleDelPdf(file);
    const ParolaStampata *prima = trovaParola(parole, righe.constFirst().first.trimmed());
    const ParolaStampata *parola = trovaParola(parole, ultima);
    QVERIFY2(prima && parola, qPrintable(testoDelPdf(file)));
    QVERIFY2(qAbs(prima->sinistra - x * puntiPerTwip) < tolleranzaPunti, qPrintable(QString::number(prima->sinistra)));
    QVERIFY2(qAbs(prima->alto - y * puntiPerTwip) < tolleranzaPunti, qPrintable(QString::number(prima->alto)));

    const MetricaPunti metrica(QStringLiteral("Arial"), 12);
    const double sinistra = dalBordo ? 0.0 : x * puntiPerTwip + metrica.larghezza(righe.constFirst().first);
    const double alto = y * puntiPerTwip + righeSotto * metrica.altezzaRiga();
    QVERIFY2(qAbs(parola->sinistra - sinistra) < tolleranzaPunti,
             qPrintable(QStringLiteral("a sinistra %1 invece di %2").arg(parola->sinistra).arg(sinistra)));
    QVERIFY2(qAbs(parola->alto - alto) < tolleranzaPunti,
             qPrintable(QStringLiteral("in alto %1 invece di %2").arg(parola->alto).arg(alto)));
}

void TstStampanteReale::fontOfferti_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<bool>("nellElenco");
    QTest::addColumn<bool>("monospaziato");

    // fontconfig maps these names to the faces of fonts-liberation, which
    // have the same metrics. Only the two Courier names are listed as the
    // printer's own: they are the ones the pages look for.
    QTest::newRow("Courier New: offerto, monospaziato") << QStringLiteral("Courier New") << true << true;
    QTest::newRow("Courier: offerto, monospaziato") << QStringLiteral("Courier") << true << true;
    QTest::newRow("Arial: proporzionale") << QStringLiteral("Arial") << false << false;
}

void TstStampanteReale::fontOfferti()
{
    QFETCH(QString, font);
    QFETCH(bool, nellElenco);
    QFETCH(bool, monospaziato);

    AmbienteProva ambiente;
    StampanteReale reale;
    Stampante &stampante = reale;
    QStringList offerti;
    for (int i = 0; i < stampante.numeroFont(); ++i)
        offerti.append(stampante.nomeFont(i));
    QVERIFY2(offerti.contains(font) == nellElenco, qPrintable(offerti.join(QLatin1Char(','))));
    QCOMPARE(primoFontCourier(stampante), QStringLiteral("Courier New"));
    QCOMPARE(stampante.nomeFont(stampante.numeroFont()), QString());

    // The face that really reaches the page.
    stampante.impostaFont(font);
    stampante.impostaDimensione(10);
    stampante.posiziona(1440, 1440);
    stampante.stampa(QStringLiteral("iiii MMMM"));
    QVERIFY(stampante.fineDocumento());
    const QString file = fileDelMessaggio(ambiente.messaggi());
    const QStringList usati = fontDelPdf(file);
    QCOMPARE(usati.size(), 1);
    QCOMPARE(usati.constFirst().contains(QLatin1String("Mono")), monospaziato);
    const auto parole = paroleDelPdf(file);
    QCOMPARE(parole.size(), 2);
    const double larghezzaI = parole.at(0).destra - parole.at(0).sinistra;
    const double larghezzaM = parole.at(1).destra - parole.at(1).sinistra;
    QCOMPARE(qAbs(larghezzaI - larghezzaM) < tolleranzaPunti, monospaziato);
}

void TstStampanteReale::immagineAGrandezzaNaturale_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("pixel");

    QTest::newRow("96 dpi, due pollici per uno") << 96 << QSize(192, 96);
    QTest::newRow("300 dpi, un pollice per mezzo") << 300 << QSize(300, 150);
}

void TstStampanteReale::immagineAGrandezzaNaturale()
{
    QFETCH(int, dpi);
    QFETCH(QSize, pixel);

    AmbienteProva ambiente;
    QImage immagine(pixel, QImage::Format_RGB32);
    immagine.fill(Qt::darkGreen);
    immagine.setDotsPerMeterX(qRound(dpi / 0.0254));
    immagine.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        StampanteReale reale;
        Stampante &stampante = reale;
        stampante.disegnaImmagine(immagine, 1440, 1440);
        QVERIFY(stampante.fineDocumento());
    }
    const QString file = fileDelMessaggio(ambiente.messaggi());
    QVERIFY(!file.isEmpty());
    const auto immagini = immaginiDelPdf(file);
    QCOMPARE(immagini.size(), 1);
    QCOMPARE(QSize(immagini.constFirst().larghezza, immagini.constFirst().altezza), pixel);
    // Drawn at its natural size, the picture keeps its own density on paper.
    QVERIFY2(qAbs(immagini.constFirst().ppiX - dpi) <= 1, qPrintable(QString::number(immagini.constFirst().ppiX)));
    QVERIFY2(qAbs(immagini.constFirst().ppiY - dpi) <= 1, qPrintable(QString::number(immagini.constFirst().ppiY)));
}

void TstStampanteReale::paginaNonFinita()
{
    AmbienteProva ambiente;
    QVERIFY(QDir(m_casa->path()).mkpath(QStringLiteral("Documents")));
    {
        StampanteReale reale;
        Stampante &stampante = reale;
        stampante.posiziona(1440, 1440);
        stampante.stampa(QStringLiteral("ABBANDONATA"));
        QVERIFY(!stampante.inErrore());
    }
    QCOMPARE(ambiente.messaggi(), QStringList());
    QVERIFY(QDir(m_casa->filePath(QStringLiteral("Documents"))).isEmpty());
    QVERIFY(QDir(ambiente.cartella()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

void TstStampanteReale::fileNonScrivibile()
{
    // No documents folder, and a current folder that no longer exists: even
    // root cannot write there.
    AmbienteProva ambiente;
    QTemporaryDir altrove;
    const QString sparita = altrove.filePath(QStringLiteral("sparita"));
    QVERIFY(QDir().mkpath(sparita));
    QVERIFY(QDir::setCurrent(sparita));
    QVERIFY(QDir().rmdir(sparita));

    StampanteReale reale;
    Stampante &stampante = reale;
    stampante.posiziona(1440, 1440);
    stampante.stampa(QStringLiteral("PERSA"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!stampante.fineDocumento());
    QVERIFY(stampante.inErrore());
    QCOMPARE(ambiente.messaggi().size(), 1);
    const QString messaggio = ambiente.messaggi().constFirst();
    QVERIFY2(messaggio.startsWith(QStringLiteral("Impossibile stampare. Nessuna stampante disponibile e il file ")),
             qPrintable(messaggio));
    QVERIFY(messaggio.endsWith(QStringLiteral(" non può essere scritto.")));

    // In error, the printer does nothing more and says nothing more.
    stampante.stampa(QStringLiteral("ANCORA"));
    QVERIFY(!stampante.fineDocumento());
    QCOMPARE(ambiente.messaggi().size(), 1);
}

int main(int argc, char *argv[])
{
    // Before anything asks for a printer: the client library reads it once.
    QTemporaryDir senzaServer;
    qputenv("CUPS_SERVER", QFile::encodeName(senzaServer.filePath(QStringLiteral("nessuno.sock"))));
    qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    TstStampanteReale prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_stampantereale.moc"
