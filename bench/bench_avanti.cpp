// Time from a press on "Avanti" in the exercise window to the next operation
// painted, over 1,000 operations: median and 99th percentile.
//
//   bench_avanti [operations]     (default 1000; run with QT_QPA_PLATFORM=offscreen)
//
// Each operation is answered right on the keypad (not timed), then "Avanti" is
// pressed and released and the clock stops once the row has been repainted
// with the new operation. A series ends at 20 operations: "Ricomincia" starts
// the next one, outside the timing. Besides the wall-clock time, the CPU time
// of the thread is reported: on a busy machine the wall-clock tail mostly
// measures waiting for a core.

#include "cronometro.h"

#include "exercise/frmoperativo.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "registrofinestre.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <ctime>
#include <cstdio>
#include <functional>

namespace {

// Times a press until the watched control has been painted, in milliseconds.
class FinoAlDisegno final : public QObject
{
public:
    explicit FinoAlDisegno(QWidget *osservato) { osservato->installEventFilter(this); }

    double millisecondi(const std::function<void()> &premi)
    {
        m_dipinto = false;
        const auto inizio = std::chrono::steady_clock::now();
        premi();
        while (!m_dipinto)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return millisecondiDa(inizio);
    }

    bool eventFilter(QObject *, QEvent *evento) override
    {
        m_dipinto = m_dipinto || evento->type() == QEvent::Paint;
        return false;
    }

private:
    bool m_dipinto = false;
};

void premi(QWidget *pulsante)
{
    QTest::mousePress(pulsante, Qt::LeftButton);
    QTest::mouseRelease(pulsante, Qt::LeftButton);
}

void rispondiGiusto(FrmOperativo *f)
{
    for (const QChar cifra : modulo2().TestoIncognita.trimmed())
        premi(f->fraTastierino->Option2[static_cast<std::size_t>(cifra.digitValue())]);
    premi(f->fraTastierino->Option2[Tastierino::verifica]);
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

// The same on bare Qt: a push button whose press writes the next number into
// a label, timed until the label is painted.
std::vector<double> tempiNudi(int volte)
{
    QWidget finestra;
    auto *pulsante = new QPushButton(QStringLiteral("Avanti"), &finestra);
    auto *etichetta = new QLabel(QStringLiteral("0"), &finestra);
    pulsante->setGeometry(10, 10, 200, 80);
    etichetta->setGeometry(10, 100, 200, 80);
    int numero = 0;
    QObject::connect(pulsante, &QPushButton::pressed, etichetta,
                     [etichetta, &numero] { etichetta->setText(QString::number(++numero)); });
    FinoAlDisegno cronometro(etichetta);
    finestra.showMaximized();
    QCoreApplication::processEvents();
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i)
        tempi.push_back(cronometro.millisecondi([pulsante] { premi(pulsante); }));
    return tempi;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int operazioni = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    registraFinestre();
    Finestre::istanza().impostaAllaFine([] {});
    modulo2().Operazione = 1;
    modulo2().Livello = 1; // the result is the unknown: its label changes with every operation
    auto *f = qobject_cast<FrmOperativo *>(Finestre::istanza().mostra(nomi::FrmOperativo));
    if (!f)
        return 1;
    FinoAlDisegno cronometro(f->frmNumero->lblRisultato1);
    QCoreApplication::processEvents();

    std::vector<double> tempi;
    std::vector<double> cpu;
    while (static_cast<int>(tempi.size()) < operazioni) {
        rispondiGiusto(f);
        QCoreApplication::processEvents();
        if (f->fraAvviso->isEnabled()) {
            premi(f->fraAvviso->scelte[1]);
            QCoreApplication::processEvents();
            continue;
        }
        const double inizioCpu = cpuMs();
        tempi.push_back(cronometro.millisecondi([f] { premi(f->fraTastierino->Option2[Tastierino::avanti]); }));
        cpu.push_back(cpuMs() - inizioCpu);
    }

    std::printf("Avanti -> next operation painted, CPU time of the thread: median %.3f ms, 99th percentile %.3f ms\n",
                percentile(cpu, 0.5), percentile(cpu, 0.99));
    Finestre::istanza().scarica(nomi::FrmOperativo);
    const std::vector<double> nudi = tempiNudi(operazioni);
    std::printf("riga|Avanti to next operation painted, median of %d, ms|%.3f|%.3f|\n", operazioni,
                percentile(tempi, 0.5), percentile(nudi, 0.5));
    std::printf("riga|Avanti to next operation painted, 99th percentile, ms|%.3f|%.3f|16\n",
                percentile(tempi, 0.99), percentile(nudi, 0.99));
    return 0;
}
