// The pages, each against what bare Qt needs for the same kind of work, median
// over the rounds:
//   - a 60-line worksheet drawn and shown in the worksheet window ("VISUALIZZA
//     SCHEDA ALUNNI" until the labels are painted) against 60 labels given new
//     texts, and the sheet shown printed into a PDF through the printer layer;
//   - the certificate drawn, against the same lines of text drawn centred on a
//     picture of the same size;
//   - the report page printed into a PDF, against a one-page PDF of as many
//     lines of Courier text.
// With no print server the pages go to PDF files in the current folder.
//   stampe [rounds]    (default 50); run it in an empty folder, no print server

#include "cronometro.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "frame/servizi.h"
#include "printing/attestato.h"
#include "printing/stampaesercizi.h"
#include "printing/superficieimmagine.h"
#include "registrofinestre.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/paginascheda.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr QSize dimensioneAttestato{250, 347}; // the picture's pixels at 96 dpi (3750 x 5205 twips)

// Bare Qt: a PDF page of so many Courier New lines, in columns of 30.
double paginaPdfNuda(int giri, int righe)
{
    int pagina = 0;
    return medianaMs(giri, [&pagina, righe] {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QDir::current().filePath(QStringLiteral("nudo-%1.pdf").arg(++pagina)));
        QPainter p(&stampante);
        p.setFont(QFont(QStringLiteral("Courier New"), 10));
        for (int i = 0; i < righe; ++i)
            p.drawText(1000 + 5000 * (i / 30), 1000 + 300 * (i % 30),
                       QStringLiteral("  12 +   5 +   3 = ...    R.20  "));
    });
}

bool schede(int giri)
{
    Modulo2 &s = modulo2();
    s.Operazione = 3;
    s.TipoDa = 1;
    s.TipoA = 4;
    s.Livello = 2;
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    if (!f)
        return false;
    f->fraAlunni->setEnabled(true);
    QApplication::processEvents();
    const double mostra = medianaMs(giri, [f] {
        f->CmdSchedaAlunni->click();
        f->area()->repaint();
    });
    const double stampa = medianaMs(giri, [] { StampaScheda(*servizi().creaStampante(), modulo2()); });
    Finestre::istanza().scarica(nomi::FrmStampaSchede);

    QWidget nuda;
    std::vector<QLabel *> etichette;
    for (int i = 0; i < 60; ++i) {
        etichette.push_back(new QLabel(&nuda));
        etichette.back()->setGeometry(10 + (i / 30) * 380, 10 + (i % 30) * 24, 370, 22);
    }
    nuda.showMaximized();
    QApplication::processEvents();
    int giro = 0;
    const double mostraNudo = medianaMs(giri, [&] {
        ++giro;
        for (QLabel *e : etichette)
            e->setText(QStringLiteral("%1 +  5 +  3 =  .").arg(giro % 90 + 10));
        nuda.repaint();
    });
    std::printf("riga|60-line worksheet generated and shown (median of %d), ms|%.2f|%.2f|10\n", giri, mostra,
                mostraNudo);
    std::printf("riga|worksheet printed into a PDF (median of %d), ms|%.2f|%.2f|100\n", giri, stampa,
                paginaPdfNuda(giri, 60));
    return true;
}

void attestatoEResoconto(int giri)
{
    // A series of 20 operations as the exercise window leaves it.
    azzeraModulo2();
    Modulo2 &m = modulo2();
    for (int i = 1; i <= 20; ++i)
        m.ElencoOperazioni.imposta(i, QStringLiteral("  12 +   5 +   3 = ...    R.20  "));
    m.NumeroOperazioni = m.NumeroOperazione = 20;
    m.NumeroEsercizio = 1;
    m.RisposteEsatte = m.NumeroEsatte = 17;
    m.TempiEsercizi.imposta(1, QStringLiteral(" 57"));
    m.NomeAlunno = QStringLiteral("anna");

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

    const double resoconto = medianaMs(giri, [] { stampaResoconto(); });
    const double pdfNudo = paginaPdfNuda(giri, 26);
    std::printf("riga|certificate drawn (median of %d), ms|%.2f|%.2f|\n", giri, attestato, attestatoNudo);
    std::printf("riga|report page printed into a PDF (median of %d), ms|%.2f|%.2f|\n", giri, resoconto, pdfNudo);
}

} // namespace

int main(int argc, char *argv[])
{
    // A page with no printer goes to Documents in HOME, or to the current folder.
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    int pdf = 0; // each page kept as a PDF is told once
    servizi().messaggio = [&pdf](const QString &) { ++pdf; };
    registraFinestre();
    const int giri = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    if (!schede(giri))
        return 1;
    attestatoEResoconto(giri);
    std::printf("%d pages kept as PDF files\n", pdf);
    return pdf == 2 * giri ? 0 : 1;
}
