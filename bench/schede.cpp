// Worksheet benchmark: drawing and showing a 60-line sheet in the worksheet
// window ("VISUALIZZA SCHEDA ALUNNI" until the labels are painted), and
// printing the sheet shown into a PDF through the printer layer (no print
// server: the page goes to a PDF file in the current folder).
//   schede [rounds]    (default 50); run it in an empty folder

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "frame/servizi.h"
#include "registrofinestre.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/paginascheda.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

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
} // namespace

int main(int argc, char *argv[])
{
    // A page with no printer goes to Documents in HOME, or to the current folder.
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    int pdf = 0;
    servizi().messaggio = [&pdf](const QString &) { ++pdf; };
    registraFinestre();
    const int giri = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    Modulo2 &s = modulo2();
    s.Operazione = 3;
    s.TipoDa = 1;
    s.TipoA = 4;
    s.Livello = 2;
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    if (!f)
        return 1;
    f->fraAlunni->setEnabled(true);
    QApplication::processEvents();

    const double mostra = medianaMs(giri, [f] {
        f->CmdSchedaAlunni->click();
        f->area()->repaint();
    });
    const double stampa = medianaMs(giri, [] {
        auto stampante = servizi().creaStampante();
        StampaScheda(*stampante, modulo2());
    });
    // Bare Qt: 60 labels given new texts and painted.
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
    std::printf("worksheet shown (60 lines drawn, labels painted): median %.2f ms over %d rounds\n", mostra, giri);
    std::printf("riga|60-line worksheet generated and shown (median of %d), ms|%.2f|%.2f|10\n", giri, mostra,
                mostraNudo);
    std::printf("riga|worksheet printed into a PDF (median of %d), ms|%.2f||100\n", giri, stampa);
    std::printf("worksheet printed to a finished PDF: median %.2f ms over %d rounds (%d PDF files)\n", stampa, giri,
                pdf);
    Finestre::istanza().scarica(nomi::FrmStampaSchede);
    return pdf == giri ? 0 : 1;
}
