#include "statocoda.h"

#include <cups/cups.h>

#include <cstring>

StatoCoda statoCoda(const QString &nome)
{
    StatoCoda stato;
    cups_dest_t *coda = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nome.toLocal8Bit().constData(), nullptr);
    if (!coda)
        return stato;
    const char *accetta = cupsGetOption("printer-is-accepting-jobs", coda->num_options, coda->options);
    const char *condizione = cupsGetOption("printer-state", coda->num_options, coda->options);
    stato.accettaLavori = !accetta || std::strcmp(accetta, "false") != 0;
    stato.ferma = condizione && std::strcmp(condizione, "5") == 0; // IPP printer-state "stopped"
    cupsFreeDests(1, coda);
    return stato;
}
