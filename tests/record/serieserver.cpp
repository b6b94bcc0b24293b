// One computer of a lab: plays a series of three operations into the class
// record with the lab's server named by its argument, in a data folder of its
// own, then ends as the program ends. Prints the series' id and exits with 0
// once the server has it.
//
//   serieserver <configuration file>

#include "unaserie.h"

#include "support/ambienteprova.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    AmbienteProva ambiente;
    ambiente.avviaRegistro(QString(), {QString::fromLocal8Bit(argv[1])});
    unaSerie();
    const bool inviata = ambiente.attendiRegistro() && registroClasse().stato().guasto == Guasto::nessuno;
    std::puts(qPrintable(registroClasse().serieAttuale().toString(QUuid::WithoutBraces)));
    return inviata && registroClasse().chiudi(std::chrono::seconds(10)) ? 0 : 1;
}
