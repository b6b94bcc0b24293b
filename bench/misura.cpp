// Runs each program of the comparison in turn, a number of rounds, and prints
// the median time from process start to its end and the peak memory.
//
//   misura <rounds> <name>=<program> <name>=<program> ...
//
// The first program is the reference: the others are compared with it. Each
// round starts the programs in a rotated order, so that none always runs first.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Programma
{
    std::string nome;
    std::string percorso;
    std::vector<double> millisecondi;
    std::vector<double> cpuMs;
    std::vector<double> memoriaMb;
};

struct Esito
{
    bool riuscito = false;
    double millisecondi = 0;
    double cpuMs = 0; // user + system time: less disturbed by other work on the machine
    double memoriaMb = 0;
};

double inMillisecondi(const timeval &t)
{
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

Esito esegui(const std::string &percorso)
{
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio < 0)
        return {};
    if (figlio == 0) {
        // Qt's notes on the offscreen platform would only clutter the table.
        const int nulla = open("/dev/null", O_WRONLY);
        dup2(nulla, STDOUT_FILENO);
        dup2(nulla, STDERR_FILENO);
        execl(percorso.c_str(), percorso.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int stato = 0;
    rusage uso{};
    if (wait4(figlio, &stato, 0, &uso) != figlio)
        return {};
    const auto fine = std::chrono::steady_clock::now();
    Esito esito;
    esito.riuscito = WIFEXITED(stato) && WEXITSTATUS(stato) == 0;
    esito.millisecondi = std::chrono::duration<double, std::milli>(fine - inizio).count();
    esito.cpuMs = inMillisecondi(uso.ru_utime) + inMillisecondi(uso.ru_stime);
    esito.memoriaMb = static_cast<double>(uso.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return esito;
}

double mediana(std::vector<double> valori)
{
    std::sort(valori.begin(), valori.end());
    const size_t n = valori.size();
    return n % 2 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s <giri> <nome>=<programma> <nome>=<programma> ...\n", argv[0]);
        return 2;
    }
    const int giri = std::atoi(argv[1]);
    std::vector<Programma> programmi;
    for (int i = 2; i < argc; ++i) {
        const std::string argomento = argv[i];
        const size_t uguale = argomento.find('=');
        if (uguale == std::string::npos || giri < 1) {
            std::fprintf(stderr, "argomento non valido: %s\n", argv[i]);
            return 2;
        }
        programmi.push_back({argomento.substr(0, uguale), argomento.substr(uguale + 1), {}, {}, {}});
    }

    // One round not counted: libraries into the page cache, fonts cache warm.
    for (const Programma &p : programmi)
        esegui(p.percorso);

    for (int giro = 0; giro < giri; ++giro) {
        for (size_t k = 0; k < programmi.size(); ++k) {
            Programma &p = programmi[(k + static_cast<size_t>(giro)) % programmi.size()];
            const Esito esito = esegui(p.percorso);
            if (!esito.riuscito) {
                std::fprintf(stderr, "%s non è terminato correttamente\n", p.nome.c_str());
                return 1;
            }
            p.millisecondi.push_back(esito.millisecondi);
            p.cpuMs.push_back(esito.cpuMs);
            p.memoriaMb.push_back(esito.memoriaMb);
        }
    }

    std::printf("%d runs each, alternating; from the start of the process to its end after the first paint\n\n", giri);
    std::printf("| program | median ms | min ms | max ms | median CPU ms | peak RSS MB | time ratio | CPU ratio "
                "| memory diff MB |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    const Programma &riferimento = programmi.front();
    for (const Programma &p : programmi) {
        const auto [minimo, massimo] = std::minmax_element(p.millisecondi.begin(), p.millisecondi.end());
        const double tempo = mediana(p.millisecondi);
        const double cpu = mediana(p.cpuMs);
        const double memoria = mediana(p.memoriaMb);
        std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.1f | %.2f | %.2f | %+.1f |\n", p.nome.c_str(), tempo, *minimo,
                    *massimo, cpu, memoria, tempo / mediana(riferimento.millisecondi), cpu / mediana(riferimento.cpuMs),
                    memoria - mediana(riferimento.memoriaMb));
    }
    // The same figures as rows of the benchmark report: program, then reference, then aim.
    for (size_t k = 1; k < programmi.size(); ++k) {
        std::printf("riga|%s: start to first paint (median of %d alternating runs), ms|%.1f|%.1f|x1.3\n",
                    programmi[k].nome.c_str(), giri, mediana(programmi[k].millisecondi),
                    mediana(riferimento.millisecondi));
        std::printf("riga|%s: peak memory, MB|%.1f|%.1f|+20\n", programmi[k].nome.c_str(),
                    mediana(programmi[k].memoriaMb), mediana(riferimento.memoriaMb));
    }
    return 0;
}
