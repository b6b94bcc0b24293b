// Runs each program of the comparison in turn, a number of rounds, and prints
// the median time from process start to its end and the peak memory.
//
//   misura <rounds> <name>=<program> <name>=<program> ...
//
// The first program is the reference: the others are compared with it. Each
// round starts the programs in a rotated order, so that none always runs first.

#include "cronometro.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
    std::vector<double> cpuMs; // user + system time: less disturbed by other work on the machine
    std::vector<double> memoriaMb;
};

double inMillisecondi(const timeval &t)
{
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

// Runs the program once and notes its times and peak memory; false when it did not end well.
bool esegui(Programma &p)
{
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        // Qt's notes on the offscreen platform would only clutter the table.
        const int nulla = open("/dev/null", O_WRONLY);
        dup2(nulla, STDOUT_FILENO);
        dup2(nulla, STDERR_FILENO);
        execl(p.percorso.c_str(), p.percorso.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int stato = 0;
    rusage uso{};
    if (figlio < 0 || wait4(figlio, &stato, 0, &uso) != figlio || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        return false;
    p.millisecondi.push_back(millisecondiDa(inizio));
    p.cpuMs.push_back(inMillisecondi(uso.ru_utime) + inMillisecondi(uso.ru_stime));
    p.memoriaMb.push_back(static_cast<double>(uso.ru_maxrss) / 1024.0); // ru_maxrss is in KiB
    return true;
}

double mediana(const std::vector<double> &valori)
{
    return percentile(valori, 0.5);
}
} // namespace

int main(int argc, char *argv[])
{
    const int giri = argc > 1 ? std::atoi(argv[1]) : 0;
    std::vector<Programma> programmi;
    for (int i = 2; i < argc; ++i) {
        const std::string argomento = argv[i];
        const size_t uguale = argomento.find('=');
        if (uguale != std::string::npos)
            programmi.push_back({argomento.substr(0, uguale), argomento.substr(uguale + 1), {}, {}, {}});
    }
    if (giri < 1 || programmi.size() < 2 || programmi.size() != static_cast<size_t>(argc - 2)) {
        std::fprintf(stderr, "uso: %s <giri> <nome>=<programma> <nome>=<programma> ...\n", argv[0]);
        return 2;
    }

    // One round not counted: libraries into the page cache, fonts cache warm.
    for (Programma p : programmi)
        esegui(p);
    for (int giro = 0; giro < giri; ++giro) {
        for (size_t k = 0; k < programmi.size(); ++k) {
            Programma &p = programmi[(k + static_cast<size_t>(giro)) % programmi.size()];
            if (!esegui(p)) {
                std::fprintf(stderr, "%s non è terminato correttamente\n", p.nome.c_str());
                return 1;
            }
        }
    }

    std::printf("%d runs each, alternating; from the start of the process to its end after the first paint\n\n", giri);
    std::printf("| program | median ms | 99th percentile ms | median CPU ms | peak RSS MB |\n|---|---|---|---|---|\n");
    for (const Programma &p : programmi)
        std::printf("| %s | %.1f | %.1f | %.1f | %.1f |\n", p.nome.c_str(), mediana(p.millisecondi),
                    percentile(p.millisecondi, 0.99), mediana(p.cpuMs), mediana(p.memoriaMb));
    // The same figures as rows of the benchmark report: program, then reference, then aim.
    const Programma &riferimento = programmi.front();
    for (size_t k = 1; k < programmi.size(); ++k) {
        std::printf("riga|%s: start to first paint (median of %d alternating runs), ms|%.1f|%.1f|x1.3\n",
                    programmi[k].nome.c_str(), giri, mediana(programmi[k].millisecondi),
                    mediana(riferimento.millisecondi));
        std::printf("riga|%s: peak memory, MB|%.1f|%.1f|+20\n", programmi[k].nome.c_str(),
                    mediana(programmi[k].memoriaMb), mediana(riferimento.memoriaMb));
    }
    return 0;
}
