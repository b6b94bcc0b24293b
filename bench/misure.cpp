// The benchmark: every measure of the program against bare Qt doing the same
// kind of work in the same run, printed as rows "riga|measure|TARVELO|bare Qt|aim"
// that bench/run.sh turns into its table.
//
//   misure <start-ups> <rounds> <presses> <bare window program> [<lab> <slow lab>]
//   misure <start-ups> <bare window program>
//       the start-up rows only, on the platform of QT_QPA_PLATFORM
//   misure avvio      the program's start, timed by the first two forms
//
// Run it in an empty folder with no print server: the pages then go to PDF
// files in that folder. <lab> and <slow lab> are configuration files of
// a lab's server, the second reached through a relay that delays its answers.

#include "confronto.h"
#include "dipinti.h"
#include "registrazioni.h"
#include "registro.h"

#include "exercise/frmoperativo.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/chiusura.h"
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

// Runs the program once, its output left to ours, and notes the time from its
// start to its first paint (the program writes a byte on descriptor 3 then) and
// its peak memory in MB; the benchmark stops when the program does not end well.
Lavoro avvia(const char *programma, const char *argomento, Tempi &dipinto, Tempi &memoria)
{
    return [programma, argomento, &dipinto, &memoria] {
        char *argomenti[] = {const_cast<char *>(programma), const_cast<char *>(argomento), nullptr};
        int tubo[2];
        if (pipe(tubo) != 0)
            std::exit(1);
        posix_spawn_file_actions_t azioni;
        posix_spawn_file_actions_init(&azioni);
        posix_spawn_file_actions_addclose(&azioni, tubo[0]);
        posix_spawn_file_actions_adddup2(&azioni, tubo[1], 3);
        pid_t figlio = 0;
        int stato = -1;
        rusage uso{};
        const auto inizio = std::chrono::steady_clock::now();
        const bool partito = posix_spawn(&figlio, programma, &azioni, nullptr, argomenti, environ) == 0;
        posix_spawn_file_actions_destroy(&azioni);
        close(tubo[1]);
        char byte = 0;
        const bool dipinta = partito && read(tubo[0], &byte, 1) == 1;
        const std::chrono::duration<double, std::milli> primo = std::chrono::steady_clock::now() - inizio;
        close(tubo[0]);
        if (!dipinta || wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
            std::exit(1);
        dipinto.push_back(primo.count());
        memoria.push_back(static_cast<double>(uso.ru_maxrss) / 1024.0); // ru_maxrss is in KiB
    };
}

// The program's start, as main() does it, ending the way the program ends
// (every window unloaded, the settings file written, the class record closed)
// right after the start window's first paint and the start of the record that
// follows it.
int avvio(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaPiattaforma(app);
    registraFinestre();
    Finestra *inizio = Finestre::istanza().carica(nomi::frmInizio);
    const Dipinti dipinti(inizio, true);
    Finestre::istanza().mostra(nomi::frmInizio);
    avviaRegistroDopoIlPrimoDisegno(inizio);
    dipinti.attendiOltre(0);
    QCoreApplication::processEvents();
    ChiudiTutto();
    chiudiRegistro();
    return 0;
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
// Every 20 presses a series ends and the record sends it to a lab's server, if any.
void avanti(int volte, FinestraNuda &nuda, const QString &come)
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
    riga(QStringLiteral("Avanti to next operation painted%1, median of %2, ms").arg(come).arg(volte), tempi);
    riga(QStringLiteral("Avanti to next operation painted%1, 99th percentile, ms").arg(come), tempi, "16", 0.99);
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2)
        return avvio(argc, argv);
    if (argc != 3 && argc != 5 && argc != 7)
        return 2;
    const int avvii = std::max(1, std::atoi(argv[1]));
    Coppia memoria, dipinto;
    const Coppia tempi = confronta(avvii, avvia(argv[0], "avvio", dipinto[0], memoria[0]),
                                   avvia(argv[argc == 3 ? 2 : 4], nullptr, dipinto[1], memoria[1]));
    // The round that confronta does not count.
    for (Tempi *t : {&dipinto[0], &dipinto[1], &memoria[0], &memoria[1]})
        t->erase(t->begin());
    const QString piattaforma = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
    riga(QStringLiteral("TARVELO start window (%1): start to first paint (median of %2 alternating runs), ms")
             .arg(piattaforma)
             .arg(avvii),
         dipinto, "x1.2");
    riga(QStringLiteral("TARVELO start window (%1): whole run, record opened after the paint and closed (median), ms")
             .arg(piattaforma),
         tempi);
    riga(QStringLiteral("TARVELO start window (%1): peak memory, MB").arg(piattaforma), memoria, "+20");
    if (argc == 3)
        return 0;
    // A page with no printer goes to Documents in HOME, or to the current folder.
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    int pdf = 0; // each page kept as a PDF is told once
    servizi().messaggio = [&pdf](const QString &) { ++pdf; };
    registraFinestre();
    Finestre::istanza().impostaAllaFine([] {});
    const int giri = std::max(1, std::atoi(argv[2]));
    const int pressioni = std::max(1, std::atoi(argv[3]));
    const std::optional<ConfigurazioneServer> laboratorio =
        argc == 7 ? leggiConfigurazioneServer({QString::fromLocal8Bit(argv[5])}) : std::nullopt;
    registrazioni(giri * 10, QDir::currentPath(), laboratorio);
    // The exercise window hands its answers to the class record, as in the program.
    registroClasse().avvia(impostazioniPredefinite());
    FinestraNuda nuda;
    avanti(pressioni, nuda, QString());
    if (argc == 7) {
        // The same presses while the record sends every series to a server that answers late.
        registroClasse().chiudi(std::chrono::seconds(10));
        ImpostazioniRegistro lento = impostazioniPredefinite();
        lento.fileConfigurazione = {QString::fromLocal8Bit(argv[6])};
        registroClasse().avvia(lento);
        avanti(pressioni, nuda, QStringLiteral(" while a lab's server answers after 500 ms"));
        // Enough for the series being sent to arrive; the rest waits in the file.
        registroClasse().chiudi(std::chrono::seconds(30));
        std::fprintf(stderr, "%s\n", qPrintable(registroClasse().stato().riga));
        if (registroClasse().stato().guasto != Guasto::nessuno)
            return 1;
        registroClasse().avvia(impostazioniPredefinite());
    }
    schede(giri, nuda);
    attestatoEResoconto(giri);
    registroDocente(giri);
    chiudiRegistro();
    return pdf == 2 * (giri + 1) ? 0 : 1;
}
