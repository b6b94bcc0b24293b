// StampanteReale with no print server answering (CUPS_SERVER names a socket
// nobody listens on): the page goes to a PDF file, read back with the places
// and fonts of its words, and the user is told in Italian where it is.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/stampantereale.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {
// A page of text: the font, where it starts (twips) and its pieces (text, aCapo); where the last piece
// lands: at the left edge or after the first piece, so many lines below the first; the face monospace or not.
struct Pagina
{
    QString font;
    double punti = 0;
    bool grassetto = false;
    QPoint twips;
    QList<QPair<QString, bool>> righe;
    bool dalBordo = false;
    int righeSotto = 0;
    bool mono = false;
};

const QString prefisso = QStringLiteral("Nessuna stampante disponibile: la pagina è stata salvata nel file\n");
constexpr double tolleranza = 1.5; // points: pdftotext boxes follow the glyphs

// Draws a page on a new printer and ends it; the PDF named by the one message shown, or empty.
QString stampaNelPdf(const AmbienteProva &ambiente, const std::function<void(Stampante &)> &disegna)
{
    {
        StampanteReale stampante;
        disegna(stampante);
        if (!stampante.fineDocumento())
            return {};
    }
    const QStringList &m = ambiente.messaggi();
    return m.size() == 1 && m.at(0).startsWith(prefisso) ? m.at(0).mid(prefisso.size()) : QString();
}

// Where a word was found, in points, for a failure message.
QString posto(const QRectF &parola)
{
    return QStringLiteral("found at %1, %2 pt").arg(parola.left()).arg(parola.top());
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

private:
    QTemporaryDir m_casa; // HOME

private slots:
    void init()
    {
        QVERIFY(m_casa.isValid());
        qputenv("HOME", QFile::encodeName(m_casa.path()));
        QDir(m_casa.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_casa.path()));
    }

    void pdfDiRiserva_data()
    {
        QTest::addColumn<QString>("documenti"); // made under HOME; empty: none
        QTest::newRow("in the documents folder") << "Documents";
        QTest::newRow("no documents folder: in the current folder") << "";
    }

    void pdfDiRiserva()
    {
        QFETCH(QString, documenti);
        AmbienteProva ambiente; // current folder: an empty temporary one
        const QDir casa(m_casa.path());
        QVERIFY(documenti.isEmpty() || casa.mkpath(documenti));
        const QString file = stampaNelPdf(ambiente, [](Stampante &s) { s.stampa(QStringLiteral("Esercizio 7 + 5")); });
        QVERIFY2(!file.isEmpty(), qPrintable(ambiente.messaggi().join('|')));
        QCOMPARE(QFileInfo(file).absolutePath(), documenti.isEmpty() ? ambiente.cartella() : casa.filePath(documenti));
        QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("TARVELO-")));
        QCOMPARE(testoDelPdf(file).trimmed(), QStringLiteral("Esercizio 7 + 5"));
    }

    void pagina_data()
    {
        QTest::addColumn<Pagina>("p");
        QTest::newRow("Arial 12 at two inches, a capo: next line from the left edge")
            << Pagina{"Arial", 12, false, {2880, 2880}, {{"PRIMA", true}, {"SECONDA", true}}, true, 1, false};
        QTest::newRow("Courier New 10 bold, line left open: the text goes on after")
            << Pagina{"Courier New", 10, true, {720, 1440}, {{"Nome: ", false}, {"Mario", true}}, false, 0, true};
        QTest::newRow("Courier 20, an empty text is an empty line")
            << Pagina{"Courier", 20, false, {7200, 12000}, {{"PRIMA", true}, {"", true}, {"TERZA", true}}, true, 2, true};
    }

    void pagina()
    {
        QFETCH(Pagina, p);
        AmbienteProva ambiente;
        const QString file = stampaNelPdf(ambiente, [&](Stampante &s) {
            s.impostaFont(p.font);
            s.impostaDimensione(p.punti);
            s.impostaGrassetto(p.grassetto);
            s.posiziona(p.twips.x(), p.twips.y());
            for (const auto &[testo, aCapo] : p.righe)
                s.stampa(testo, aCapo);
        });
        QVERIFY(!file.isEmpty());
        QFont font(p.font);
        font.setPointSizeF(p.punti);
        font.setBold(p.grassetto);
        const QSizeF primaRiga = misura(font, p.righe.first().first);
        const QPointF inizio = QPointF(p.twips) / 20.0; // twips to points
        const QPointF ultima(p.dalBordo ? 0.0 : inizio.x() + primaRiga.width(),
                             inizio.y() + p.righeSotto * primaRiga.height());
        const QRectF prima = parolaDelPdf(file, p.righe.first().first.trimmed());
        const QRectF dopo = parolaDelPdf(file, p.righe.last().first);
        QVERIFY2(!prima.isNull() && !dopo.isNull(), qPrintable(testoDelPdf(file)));
        QVERIFY2((prima.topLeft() - inizio).manhattanLength() < tolleranza, qPrintable(posto(prima)));
        QVERIFY2((dopo.topLeft() - ultima).manhattanLength() < tolleranza, qPrintable(posto(dopo)));
        const QList<QStringList> usati = elencoDelPdf(QStringLiteral("pdffonts"), file);
        QCOMPARE(usati.size(), 1);
        QCOMPARE(usati.at(0).at(0).contains(QLatin1String("Mono")), p.mono);
        QCOMPARE(usati.at(0).at(0).contains(QLatin1String("Bold")), p.grassetto);
    }

    // No documents folder and a current folder that no longer exists: even root cannot write there.
    void fileNonScrivibile()
    {
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
    // Before anything asks for a printer: the client library reads it once.
    QTemporaryDir senzaServer;
    qputenv("CUPS_SERVER", QFile::encodeName(senzaServer.filePath(QStringLiteral("nessuno.sock"))));
    qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    TstStampanteReale prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_stampantereale.moc"
