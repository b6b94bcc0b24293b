// Saves the settings file over and over until it is killed, alternating two
// contents so that every save changes the file:
//
//   scrivilivelliinciclo <file> <operation> <group> <operation> <group> [direct]
//
// With "direct" it writes the way a careless program would (cut the file,
// then write into it), to show that the test which kills it can see a torn
// file.

#include "start/filelivelli.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
bool scriviDiretto(const QString &percorso, std::int16_t operazione, std::int16_t gruppo)
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const QByteArray riga = testoLivelli(operazione, gruppo);
    // Two writes, as a program printing field after field would do.
    return file.write(riga.left(3)) == 3 && file.write(riga.mid(3)) == riga.size() - 3;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6)
        return 2;
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    const std::int16_t valori[2][2] = {
        {static_cast<std::int16_t>(std::atoi(argv[2])), static_cast<std::int16_t>(std::atoi(argv[3]))},
        {static_cast<std::int16_t>(std::atoi(argv[4])), static_cast<std::int16_t>(std::atoi(argv[5]))}};
    const bool diretto = argc > 6 && QByteArray(argv[6]) == "direct";
    // A dot when the saves begin and after each one, so that the test can
    // aim its kills at the first save or at a later one.
    for (unsigned long giro = 0;; ++giro) {
        std::fputc('.', stdout);
        std::fflush(stdout);
        const auto &v = valori[giro % 2];
        const bool scritto = diretto ? scriviDiretto(percorso, v[0], v[1]) : scriviFileLivelli(percorso, v[0], v[1]);
        if (!scritto)
            return 1;
    }
}
