// The benchmark: every measure of the program against bare Qt doing the same
// kind of work in the same run, printed as rows "riga|measure|TARVELO|bare Qt|aim"
// that bench/run.sh turns into its table.
//
//   misure <start-ups> <start program> <bare window program>
//       the start-up rows only, on the platform of QT_QPA_PLATFORM
//   misure <start-ups> <rounds> <presses> <start program> <bare window program>
//       every row
//
// Run it in an empty folder with no print server: the pages then go to PDF
// files in that folder.

#include "confronto.h"
#include "dipinti.h"
#include "registro.h"

#include "exercise/frmoperativo.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "printing/attestato.h"
#include "printing/stampaesercizi.h"
#include "printing/superficieimmagine.h"
#include "record/avvioregistro.h"
#include "record/registroclasse.h"
#include "registrofinestre.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/paginascheda.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Runs the program once, its output left to ours, and notes its peak memory
// in MB; the benchmark stops when the program does not end well.
Lavoro avvia(const char *programma, Tempi &memoria)
{
    return [programma, &memoria] {
        char *argomenti[] = {const_cast<char *>(programma), nullptr};
        pid_t figlio = 0;
        int stato = -1;
        rusage uso{};
        if (posix_spawn(&figlio, programma, nullptr, nullptr, argomenti, environ) != 0
            || wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
            std::exit(1);
        memoria.push_back(static_cast<double>(uso.ru_maxrss) / 1024.0); // ru_maxrss is in KiB
    };
}

// A click on the button, until the widget has been painted again.
Lavoro premiFinoAlDisegno(QWidget *pulsante, QWidget *widget)
{
    auto dipinti = std::make_shared<Dipinti>(widget);
    return [pulsante, dipinti] {
        const int prima = dipinti->volte();
        QTest::mouseClick(pulsante, Qt::LeftButton);
        dipinti->attendiOltre(prima);
    };
}

// Bare Qt for the windows: 60 labels, and a push button whose press writes the
// next number into the first label.
class FinestraNuda final : public QWidget
{
public:
    FinestraNuda()
    {
        for (int i = 0; i < 60; ++i) {
            etichette.push_back(new QLabel(this));
            etichette.back()->setGeometry(10 + (i / 30) * 380, 10 + (i % 30) * 24, 370, 22);
        }
        pulsante->setGeometry(800, 10, 200, 80);
        connect(pulsante, &QPushButton::pressed, this, [this, n = 0]() mutable { etichette.front()->setNum(++n); });
        showMaximized();
    }

    std::vector<QLabel *> etichette;
    QPushButton *pulsante = new QPushButton(QStringLiteral("Avanti"), this);
};

// "Avanti" in the exercise window to the next operation painted, each operation
// answered right on the keypad first; against a label given the next number.
void avanti(int volte, FinestraNuda &nuda)
{
    modulo2().Operazione = 1;
    modulo2().Livello = 1; // the result is the unknown: its label changes with every operation
    auto *f = static_cast<FrmOperativo *>(Finestre::istanza().mostra(nomi::FrmOperativo));
    const auto rispondiGiusto = [f] {
        do {
            if (f->fraAvviso->isEnabled()) // the series ended: "Ricomincia" starts the next one
                QTest::mouseClick(f->fraAvviso->scelte[1], Qt::LeftButton);
            for (const QChar cifra : modulo2().TestoIncognita.trimmed())
                QTest::mouseClick(f->fraTastierino->Option2.at(std::size_t(cifra.digitValue())), Qt::LeftButton);
            QTest::mouseClick(f->fraTastierino->Option2[Tastierino::verifica], Qt::LeftButton);
            QApplication::processEvents();
        } while (f->fraAvviso->isEnabled());
    };
    const Coppia tempi = confronta(volte,
                                   premiFinoAlDisegno(f->fraTastierino->Option2[Tastierino::avanti], f->frmNumero->lblRisultato1),
                                   premiFinoAlDisegno(nuda.pulsante, nuda.etichette.front()), rispondiGiusto);
    Finestre::istanza().scarica(nomi::FrmOperativo);
    riga(QStringLiteral("Avanti to next operation painted, median of %1, ms").arg(volte), tempi);
    riga(QStringLiteral("Avanti to next operation painted, 99th percentile, ms"), tempi, "16", 0.99);
}

// Bare Qt drawing a page or a picture: so many lines of text, in columns of 30, centred in their column.
void righeNude(QPaintDevice &dove, const QFont &font, const QStringList &righe)
{
    QPainter p(&dove);
    p.setFont(font);
    const int h = p.fontMetrics().height();
    const int larghezza = dove.width() / ((static_cast<int>(righe.size()) + 29) / 30);
    for (int i = 0; i < righe.size(); ++i)
        p.drawText(QRect(i / 30 * larghezza, (i % 30 + 3) * h, larghezza, h), Qt::AlignHCenter, righe.at(i));
}

// Bare Qt for the printed pages: a one-page PDF of so many Courier New lines.
Lavoro paginaPdfNuda(int righe)
{
    return [righe, pagina = 0]() mutable {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(QDir::current().filePath(QStringLiteral("nudo-%1.pdf").arg(++pagina)));
        righeNude(stampante, QFont(QStringLiteral("Courier New"), 10),
                  QStringList(righe, QStringLiteral("  12 +   5 +   3 = ...    R.20  ")));
    };
}

// A 60-line worksheet drawn in its window ("VISUALIZZA SCHEDA ALUNNI") until
// painted, against 60 labels given new texts; then printed into a PDF.
void schede(int giri, FinestraNuda &nuda)
{
    azzeraModulo2();
    Modulo2 &m = modulo2();
    std::tie(m.Operazione, m.TipoDa, m.TipoA, m.Livello) = std::tuple(3, 1, 4, 2);
    m.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = static_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    f->fraAlunni->setEnabled(true);
    QApplication::processEvents(); // shown on the screen, not only asked to be
    const auto mostraScheda = [f] {
        f->CmdSchedaAlunni->click();
        f->area()->repaint();
    };
    const auto mostraNuda = [&nuda, giro = 0]() mutable {
        const QString testo = QStringLiteral("%1 +  5 +  3 =  .").arg(++giro % 90 + 10);
        for (QLabel *e : nuda.etichette)
            e->setText(testo);
        nuda.repaint();
    };
    const QString mediana = QStringLiteral(" (median of %1), ms").arg(giri);
    riga("60-line worksheet generated and shown" + mediana, confronta(giri, mostraScheda, mostraNuda), "10");
    Finestre::istanza().scarica(nomi::FrmStampaSchede);
    riga("worksheet printed into a PDF" + mediana,
         confronta(giri, [&m] { StampaScheda(*servizi().creaStampante(), m); }, paginaPdfNuda(60)), "100");
}

// A series of 20 operations as the exercise window leaves it: the certificate
// drawn on its picture (250 x 347 pixels at 96 dpi) against its lines drawn
// centred on a picture of that size; the report page printed into a PDF.
void attestatoEResoconto(int giri)
{
    azzeraModulo2();
    Modulo2 &m = modulo2();
    for (int i = 1; i <= 20; ++i)
        m.ElencoOperazioni.imposta(i, QStringLiteral("  12 +   5 +   3 = ...    R.20  "));
    m.NumeroOperazioni = m.NumeroOperazione = 20;
    m.RisposteEsatte = m.NumeroEsatte = 17;
    m.TempiEsercizi.imposta(1, QStringLiteral(" 57"));
    m.NomeAlunno = QStringLiteral("anna");
    QStringList testi;
    const QVector<RigaAttestato> righe = righeAttestato(PreparaAttestato(m, QStringLiteral("TARVELO"), QDate::currentDate()));
    for (const RigaAttestato &r : righe)
        testi << r.testo;
    const auto disegna = [&righe] {
        QImage immagine = nuovaImmagineAttestato({250, 347}, 0x00FFFFC0u);
        SuperficieImmagine superficie(immagine);
        DisegnaAttestato(superficie, righe);
    };
    const auto disegnaNudo = [&testi] {
        QImage immagine(250, 347, QImage::Format_RGB32);
        immagine.fill(Qt::white);
        righeNude(immagine, QFont(QStringLiteral("Arial"), 14, QFont::Bold), testi);
    };
    const QString mediana = QStringLiteral(" (median of %1), ms").arg(giri);
    riga("certificate drawn" + mediana, confronta(giri, disegna, disegnaNudo));
    riga("report page printed into a PDF" + mediana, confronta(giri, [] { stampaResoconto(); }, paginaPdfNuda(26)));
}

// The program's start against the bare window's, alternately: time to the end
// of the process, which comes right after the first paint, and peak memory.
void avvii(int volte, const char *programma, const char *nudo)
{
    Coppia memoria;
    const Coppia tempi = confronta(volte, avvia(programma, memoria[0]), avvia(nudo, memoria[1]));
    const QString piattaforma = qEnvironmentVariable("QT_QPA_PLATFORM");
    riga(QStringLiteral("TARVELO start window, %1: start to first paint (median of %2 alternating runs), ms")
             .arg(piattaforma).arg(volte),
         tempi, "x1.2");
    riga(QStringLiteral("TARVELO start window, %1: peak memory, MB").arg(piattaforma), memoria, "+20");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 6)
        return 2;
    avvii(std::max(1, std::atoi(argv[1])), argv[argc - 2], argv[argc - 1]);
    if (argc == 4)
        return 0;
    // A page with no printer goes to Documents in HOME, or to the current folder.
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    int pdf = 0; // each page kept as a PDF is told once
    servizi().messaggio = [&pdf](const QString &) { ++pdf; };
    registraFinestre();
    Finestre::istanza().impostaAllaFine([] {});
    // The exercise window hands its answers to the class record, as in the program.
    registroClasse().avvia(impostazioniPredefinite());
    FinestraNuda nuda;
    const int giri = std::max(1, std::atoi(argv[2]));
    avanti(std::max(1, std::atoi(argv[3])), nuda);
    schede(giri, nuda);
    attestatoEResoconto(giri);
    registroDocente(giri);
    chiudiRegistro();
    return pdf == 2 * (giri + 1) ? 0 : 1;
}
