// Saves the settings file over and over until it is killed, alternating two
// contents (" 2  2" and " 3 12345") so that every save changes the file, and
// writing a dot before each save:
//
//   scrivilivelliinciclo <file>

#include "start/filelivelli.h"

#include <QString>

#include <cstdio>

int main(int, char *argv[])
{
    const QString percorso = QString::fromLocal8Bit(argv[1]);
    for (bool primo = true;; primo = !primo) {
        std::fputc('.', stdout);
        std::fflush(stdout);
        if (!scriviFileLivelli(percorso, primo ? 2 : 3, primo ? 2 : 12345))
            return 1;
    }
}
