// The benchmark: every measure of the program against bare Qt doing the same
// kind of work in the same run, printed as rows "riga|measure|TARVELO|bare Qt|aim"
// that bench/run.sh turns into its table.
//
//   misure <start-ups> <rounds> <presses> <bare window program> <start program>
//
// Run it offscreen in an empty folder with no print server: the pages then go
// to PDF files in that folder.

#include "dipinti.h"

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
#include "registrofinestre.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/paginascheda.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Tempi = std::vector<double>;

/** The value at quota of the values: 0.5 the median, 0.99 the 99th percentile. */
double percentile(Tempi valori, double quota)
{
    std::sort(valori.begin(), valori.end());
    const auto i = static_cast<std::size_t>(quota * static_cast<double>(valori.size() - 1) + 0.5);
    return valori.at(std::min(i, valori.size() - 1));
}

/** A row of the table: the program's and bare Qt's values at quota, and the aim. */
void riga(const QString &misura, const Tempi &programma, const Tempi &nudo, const char *obiettivo = "",
          double quota = 0.5)
{
    std::printf("riga|%s|%.3f|%.3f|%s\n", qPrintable(misura), percentile(programma, quota), percentile(nudo, quota),
                obiettivo);
}

/** Runs prova giri times, each after prepara (not timed); its times in milliseconds. */
Tempi cronometra(int giri, const std::function<void()> &prova, const std::function<void()> &prepara = [] {})
{
    Tempi tempi;
    for (int i = 0; i < giri; ++i) {
        prepara();
        const auto inizio = std::chrono::steady_clock::now();
        prova();
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
    }
    return tempi;
}

// Runs the program once, its output discarded, and adds to misure its time
// from before the fork to its end and its peak memory; false when it did not end well.
bool avvia(const char *programma, std::array<Tempi, 2> &misure)
{
    int stato = -1;
    rusage uso{};
    misure[0].push_back(cronometra(1, [&] {
        const pid_t figlio = fork();
        if (figlio == 0) {
            const int nulla = open("/dev/null", O_WRONLY);
            dup2(nulla, STDOUT_FILENO);
            dup2(nulla, STDERR_FILENO);
            execl(programma, programma, static_cast<char *>(nullptr));
            _exit(127);
        }
        if (figlio > 0)
            wait4(figlio, &stato, 0, &uso);
    }).front());
    misure[1].push_back(static_cast<double>(uso.ru_maxrss) / 1024.0); // ru_maxrss is in KiB
    return WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
}

// The start-ups, alternating which program goes first, after one round not
// counted (libraries in the page cache, font cache warm).
bool avvii(int giri, const char *nudo, const char *programma)
{
    std::array<Tempi, 2> n; // times and memory of the bare window
    std::array<Tempi, 2> p; // and of the program
    bool riusciti = avvia(nudo, n) && avvia(programma, p);
    n = p = {};
    for (int giro = 0; riusciti && giro < giri; ++giro)
        riusciti = giro % 2 == 0 ? avvia(nudo, n) && avvia(programma, p) : avvia(programma, p) && avvia(nudo, n);
    if (!riusciti)
        return false;
    const QString misura = QStringLiteral("TARVELO start window: start to first paint (median of %1 alternating runs), ms");
    riga(misura.arg(giri), p[0], n[0], "x1.3");
    riga(QStringLiteral("TARVELO start window: peak memory, MB"), p[1], n[1], "+20");
    return true;
}

void premi(QWidget *pulsante)
{
    QTest::mousePress(pulsante, Qt::LeftButton);
    QTest::mouseRelease(pulsante, Qt::LeftButton);
}

// Times a press until the label has been painted.
Tempi finoAlDisegno(int volte, const QWidget *etichetta, QWidget *pulsante, const std::function<void()> &prepara)
{
    const Dipinti dipinti([etichetta](const QObject *o) { return o == etichetta; });
    const auto prova = [&] {
        const int prima = dipinti.volte();
        premi(pulsante);
        dipinti.attendiOltre(prima);
    };
    return cronometra(volte, prova, prepara);
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
        connect(pulsante, &QPushButton::pressed, this, [this] { etichette.front()->setNum(++m_numero); });
        showMaximized();
    }

    std::vector<QLabel *> etichette;
    QPushButton *pulsante = new QPushButton(QStringLiteral("Avanti"), this);

private:
    int m_numero = 0;
};

// Shows the window; the benchmark stops when it cannot.
template <class Finestra>
Finestra *mostra(const QString &nome)
{
    auto *f = qobject_cast<Finestra *>(Finestre::istanza().mostra(nome));
    if (!f)
        std::exit(1);
    QApplication::processEvents();
    return f;
}

// "Avanti" in the exercise window to the next operation painted, each operation
// answered right on the keypad first (at the end of a series "Ricomincia"
// starts the next one); against a label given the next number.
void avanti(int volte, FinestraNuda &nuda)
{
    azzeraModulo2();
    modulo2().Operazione = 1;
    modulo2().Livello = 1; // the result is the unknown: its label changes with every operation
    auto *f = mostra<FrmOperativo>(nomi::FrmOperativo);
    const auto rispondiGiusto = [f] {
        for (const QChar cifra : modulo2().TestoIncognita.trimmed())
            premi(f->fraTastierino->Option2.at(static_cast<std::size_t>(cifra.digitValue())));
        premi(f->fraTastierino->Option2[Tastierino::verifica]);
        QApplication::processEvents();
    };
    const auto prepara = [f, rispondiGiusto] {
        rispondiGiusto();
        if (f->fraAvviso->isEnabled()) {
            premi(f->fraAvviso->scelte[1]);
            rispondiGiusto();
        }
    };
    const Tempi tempi =
        finoAlDisegno(volte, f->frmNumero->lblRisultato1, f->fraTastierino->Option2[Tastierino::avanti], prepara);
    Finestre::istanza().scarica(nomi::FrmOperativo);
    const Tempi nudi = finoAlDisegno(volte, nuda.etichette.front(), nuda.pulsante, [] {});
    riga(QStringLiteral("Avanti to next operation painted, median of %1, ms").arg(volte), tempi, nudi);
    riga(QStringLiteral("Avanti to next operation painted, 99th percentile, ms"), tempi, nudi, "16", 0.99);
}

// Bare Qt for the printed pages: a one-page PDF of so many Courier New lines, in columns of 30.
Tempi paginaPdfNuda(int giri, int righe)
{
    int pagina = 0;
    return cronometra(giri, [&pagina, righe] {
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

// A 60-line worksheet drawn in its window ("VISUALIZZA SCHEDA ALUNNI") until
// painted, against 60 labels given new texts; then printed into a PDF.
void schede(int giri, FinestraNuda &nuda)
{
    azzeraModulo2();
    Modulo2 &m = modulo2();
    m.Operazione = 3;
    m.TipoDa = 1;
    m.TipoA = 4;
    m.Livello = 2;
    m.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = mostra<FrmStampaSchede>(nomi::FrmStampaSchede);
    f->fraAlunni->setEnabled(true);
    const Tempi tempi = cronometra(giri, [f] {
        f->CmdSchedaAlunni->click();
        f->area()->repaint();
    });
    Finestre::istanza().scarica(nomi::FrmStampaSchede);
    int giro = 0;
    const Tempi nudi = cronometra(giri, [&] {
        const QString testo = QStringLiteral("%1 +  5 +  3 =  .").arg(++giro % 90 + 10);
        for (QLabel *e : nuda.etichette)
            e->setText(testo);
        nuda.repaint();
    });
    const QString mediana = QStringLiteral(" (median of %1), ms").arg(giri);
    riga("60-line worksheet generated and shown" + mediana, tempi, nudi, "10");
    riga("worksheet printed into a PDF" + mediana, cronometra(giri, [&m] { StampaScheda(*servizi().creaStampante(), m); }),
         paginaPdfNuda(giri, 60), "100");
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
    const QVector<RigaAttestato> righe =
        righeAttestato(PreparaAttestato(m, QStringLiteral("TARVELO"), QDate::currentDate()));
    const QSize dimensione{250, 347};
    const Tempi tempi = cronometra(giri, [&] {
        QImage immagine = nuovaImmagineAttestato(dimensione, 0x00FFFFC0u);
        SuperficieImmagine superficie(immagine);
        DisegnaAttestato(superficie, righe);
    });
    const Tempi nudi = cronometra(giri, [&] {
        QImage immagine(dimensione, QImage::Format_RGB32);
        immagine.fill(Qt::white);
        QPainter p(&immagine);
        p.setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
        const int h = p.fontMetrics().height();
        for (int i = 0; i < righe.size(); ++i)
            p.drawText(QRect(0, (i + 3) * h, dimensione.width(), h), Qt::AlignHCenter, righe.at(i).testo);
    });
    const QString mediana = QStringLiteral(" (median of %1), ms").arg(giri);
    riga("certificate drawn" + mediana, tempi, nudi);
    riga("report page printed into a PDF" + mediana, cronometra(giri, [] { stampaResoconto(); }),
         paginaPdfNuda(giri, 26));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "uso: %s <avvii> <giri> <pressioni> <finestra nuda> <avvio>\n", argv[0]);
        return 2;
    }
    if (!avvii(std::max(1, std::atoi(argv[1])), argv[4], argv[5]))
        return 1;
    // A page with no printer goes to Documents in HOME, or to the current folder.
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    QApplication app(argc, argv);
    installaPiattaforma(app);
    int pdf = 0; // each page kept as a PDF is told once
    servizi().messaggio = [&pdf](const QString &) { ++pdf; };
    registraFinestre();
    Finestre::istanza().impostaAllaFine([] {});
    FinestraNuda nuda;
    const int giri = std::max(1, std::atoi(argv[2]));
    avanti(std::max(1, std::atoi(argv[3])), nuda);
    schede(giri, nuda);
    attestatoEResoconto(giri);
    std::printf("%d pages kept as PDF files\n", pdf);
    return pdf == 2 * giri ? 0 : 1;
}
