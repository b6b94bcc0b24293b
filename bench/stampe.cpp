// The certificate drawn and the report page printed into a PDF, each against
// what bare Qt needs for the same kind of work: the same lines of text drawn
// centred on a picture of the same size, and a one-page PDF of as many lines
// of Courier text. Median over the rounds.
//   stampe [rounds]    (default 50); run it in an empty folder, no print server

#include "frame/modulo2.h"
#include "frame/piattaforma.h"
#include "frame/servizi.h"
#include "printing/attestato.h"
#include "printing/stampaesercizi.h"
#include "printing/superficieimmagine.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianaMs(int giri, const std::function<void()> &prova)
{
    std::vector<double> tempi;
    for (int i = 0; i < giri; ++i) {
        QElapsedTimer t;
        t.start();
        prova();
        tempi.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(tempi.begin(), tempi.end());
    return tempi[tempi.size() / 2];
}

// A series of 20 operations as the exercise window leaves it.
void riempiSerie()
{
    Modulo2 &m = modulo2();
    for (int i = 1; i <= 20; ++i)
        m.ElencoOperazioni.imposta(i, QStringLiteral("  12 +   5 +   3 = ...    R.20  "));
    m.NumeroOperazioni = m.NumeroOperazione = 20;
    m.NumeroEsercizio = 1;
    m.RisposteEsatte = m.NumeroEsatte = 17;
    m.TempiEsercizi.imposta(1, QStringLiteral(" 57"));
    m.NomeAlunno = QStringLiteral("anna");
}

constexpr QSize dimensioneAttestato{250, 347}; // the picture's pixels at 96 dpi (3750 x 5205 twips)

} // namespace

int main(int argc, char *argv[])
{
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    servizi().messaggio = [](const QString &) {};
    const int giri = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    riempiSerie();

    const QVector<RigaAttestato> righe =
        righeAttestato(PreparaAttestato(modulo2(), QStringLiteral("TARVELO"), QDate::currentDate()));
    const double attestato = medianaMs(giri, [&righe] {
        QImage immagine = nuovaImmagineAttestato(dimensioneAttestato, 0x00FFFFC0u);
        SuperficieImmagine superficie(immagine);
        DisegnaAttestato(superficie, righe);
    });
    const double attestatoNudo = medianaMs(giri, [&righe] {
        QImage immagine(dimensioneAttestato, QImage::Format_RGB32);
        immagine.fill(Qt::white);
        QPainter p(&immagine);
        p.setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
        const QFontMetrics misure(p.font());
        int y = 3 * misure.height();
        for (const RigaAttestato &r : righe) {
            p.drawText((immagine.width() - misure.horizontalAdvance(r.testo)) / 2, y, r.testo);
            y += misure.height();
        }
    });

    int pagina = 0;
    const double resoconto = medianaMs(giri, [] { stampaResoconto(); });
    const double pdfNudo = medianaMs(giri, [&pagina] {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QDir::current().filePath(QStringLiteral("nudo-%1.pdf").arg(++pagina)));
        QPainter p(&stampante);
        p.setFont(QFont(QStringLiteral("Courier New"), 10));
        for (int i = 0; i < 26; ++i)
            p.drawText(1000, 1000 + 300 * i, QStringLiteral("  12 +   5 +   3 = ...    R.20  "));
    });

    std::printf("riga|certificate drawn (median of %d), ms|%.2f|%.2f|\n", giri, attestato, attestatoNudo);
    std::printf("riga|report page printed into a PDF (median of %d), ms|%.2f|%.2f|\n", giri, resoconto, pdfNudo);
    return 0;
}
