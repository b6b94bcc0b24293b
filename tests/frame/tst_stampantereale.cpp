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
using Righe = QList<QPair<QString, bool>>; // text, aCapo

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
        QTest::addColumn<QString>("userDirs");  // ~/.config/user-dirs.dirs; empty: none
        QTest::newRow("Documents of the home") << "Documents" << "";
        QTest::newRow("documents folder from user-dirs.dirs") << "Documenti" << "XDG_DOCUMENTS_DIR=\"$HOME/Documenti\"\n";
        QTest::newRow("no documents folder: the current folder") << "" << "";
    }

    void pdfDiRiserva()
    {
        QFETCH(QString, documenti);
        QFETCH(QString, userDirs);
        AmbienteProva ambiente; // current folder: an empty temporary one
        const QDir casa(m_casa.path());
        QVERIFY(documenti.isEmpty() || casa.mkpath(documenti));
        if (!userDirs.isEmpty()) {
            QVERIFY(casa.mkpath(QStringLiteral(".config")));
            QFile file(casa.filePath(QStringLiteral(".config/user-dirs.dirs")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(userDirs.toUtf8()) > 0);
        }
        const QString file = stampaNelPdf(ambiente, [](Stampante &s) { s.stampa(QStringLiteral("Esercizio 7 + 5")); });
        QVERIFY2(!file.isEmpty(), qPrintable(ambiente.messaggi().join('|')));
        QCOMPARE(QFileInfo(file).absolutePath(), documenti.isEmpty() ? ambiente.cartella() : casa.filePath(documenti));
        QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("TARVELO-")));
        QCOMPARE(testoDelPdf(file).trimmed(), QStringLiteral("Esercizio 7 + 5"));
    }

    void pagina_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<double>("punti");
        QTest::addColumn<bool>("grassetto");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<Righe>("righe");
        QTest::addColumn<bool>("dalBordo"); // the last word starts at the left edge; else after the first text
        QTest::addColumn<int>("righeSotto"); // lines between the first word and the last
        QTest::addColumn<bool>("mono");

        QTest::newRow("Arial 12 at two inches, a capo: next line from the left edge")
            << "Arial" << 12.0 << false << QPoint(2880, 2880) << Righe{{"PRIMA", true}, {"SECONDA", true}} << true << 1
            << false;
        QTest::newRow("Courier New 10 bold, line left open: the text goes on after")
            << "Courier New" << 10.0 << true << QPoint(720, 1440) << Righe{{"Nome: ", false}, {"Mario", true}} << false
            << 0 << true;
        QTest::newRow("Courier 20, an empty text is an empty line")
            << "Courier" << 20.0 << false << QPoint(7200, 12000) << Righe{{"PRIMA", true}, {"", true}, {"TERZA", true}}
            << true << 2 << true;
    }

    void pagina()
    {
        QFETCH(QString, font);
        QFETCH(double, punti);
        QFETCH(bool, grassetto);
        QFETCH(QPoint, twips);
        QFETCH(Righe, righe);
        QFETCH(bool, dalBordo);
        QFETCH(int, righeSotto);
        QFETCH(bool, mono);
        AmbienteProva ambiente;
        const QString file = stampaNelPdf(ambiente, [&](Stampante &s) {
            s.impostaFont(font);
            s.impostaDimensione(punti);
            s.impostaGrassetto(grassetto);
            s.posiziona(twips.x(), twips.y());
            for (const auto &[testo, aCapo] : righe)
                s.stampa(testo, aCapo);
        });
        QVERIFY(!file.isEmpty());
        QFont qfont(font);
        qfont.setPointSizeF(punti);
        qfont.setBold(grassetto);
        const QSizeF primaRiga = misura(qfont, righe.first().first);
        const QPointF inizio = QPointF(twips) / 20.0; // twips to points
        const QPointF ultima(dalBordo ? 0.0 : inizio.x() + primaRiga.width(), inizio.y() + righeSotto * primaRiga.height());
        const QRectF prima = parolaDelPdf(file, righe.first().first.trimmed());
        const QRectF dopo = parolaDelPdf(file, righe.last().first);
        QVERIFY2(!prima.isNull() && !dopo.isNull(), qPrintable(testoDelPdf(file)));
        QVERIFY2((prima.topLeft() - inizio).manhattanLength() < tolleranza, qPrintable(QTest::toString(prima)));
        QVERIFY2((dopo.topLeft() - ultima).manhattanLength() < tolleranza, qPrintable(QTest::toString(dopo)));
        const QList<QStringList> usati = elencoDelPdf(QStringLiteral("pdffonts"), file);
        QCOMPARE(usati.size(), 1);
        QCOMPARE(usati.at(0).at(0).contains(QLatin1String("Mono")), mono);
        QCOMPARE(usati.at(0).at(0).contains(QLatin1String("Bold")), grassetto);
    }

    // fontconfig maps both Courier names to an installed monospace face: the printer lists them.
    void courierOfferto()
    {
        StampanteReale stampante;
        QStringList offerti;
        for (int i = 0; i <= stampante.numeroFont(); ++i)
            offerti.append(stampante.nomeFont(i));
        QVERIFY(offerti.contains(QStringLiteral("Courier")));
        QCOMPARE(primoFontCourier(stampante), QStringLiteral("Courier New"));
        QCOMPARE(offerti.last(), QString());
    }

    // Drawn at its natural size, the picture keeps its own density on paper.
    void immagineAGrandezzaNaturale()
    {
        AmbienteProva ambiente;
        QImage immagine(300, 150, QImage::Format_RGB32);
        immagine.fill(Qt::darkGreen);
        immagine.setDotsPerMeterX(qRound(300 / 0.0254));
        immagine.setDotsPerMeterY(qRound(300 / 0.0254));
        const QString file = stampaNelPdf(ambiente, [&](Stampante &s) { s.disegnaImmagine(immagine, 1440, 1440); });
        const QList<QStringList> immagini = elencoDelPdf(QStringLiteral("pdfimages -list"), file);
        QCOMPARE(immagini.size(), 1);
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        QCOMPARE(immagini.at(0).mid(3, 2), (QStringList{"300", "150"}));
        QCOMPARE(immagini.at(0).mid(12, 2), (QStringList{"300", "300"}));
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
