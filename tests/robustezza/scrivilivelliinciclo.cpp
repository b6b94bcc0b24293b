// Saves the settings file over and over until it is killed, alternating two
// contents (" 2  2" and " 3 12345") so that every save changes the file, and
// writing a dot before each save:
//
//   scrivilivelliinciclo <file> [direct]
//
// With "direct" it writes the way a careless program would (cut the file,
// then write into it in two pieces), to show that the test which kills it
// can see a torn file.

#include "start/filelivelli.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    const bool diretto = argc > 2 && QByteArray(argv[2]) == "direct";
    for (bool primo = true;; primo = !primo) {
        std::fputc('.', stdout);
        std::fflush(stdout);
        const std::int16_t operazione = primo ? 2 : 3;
        const std::int16_t gruppo = primo ? 2 : 12345;
        const QByteArray riga = testoLivelli(operazione, gruppo);
        QFile file(percorso);
        const bool scritto = diretto ? file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                                           && file.write(riga.left(3)) == 3 && file.write(riga.mid(3)) > 0
                                     : scriviFileLivelli(percorso, operazione, gruppo);
        if (!scritto)
            return 1;
    }
}
