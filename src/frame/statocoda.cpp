#include "statocoda.h"

#include <cups/cups.h>

#include <QLibrary>

#include <cstring>

namespace {
// libcups and the twenty libraries it pulls in (TLS, Kerberos, Avahi, D-Bus)
// are loaded at the first page, not at start-up: the start window comes up
// without waiting for them.
struct FunzioniCups final
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool caricate() const { return getNamedDest && getOption && freeDests; }
};

const FunzioniCups &funzioniCups()
{
    static const FunzioniCups funzioni = [] {
        QLibrary libreria(QStringLiteral("cups"), 2);
        FunzioniCups f;
        f.getNamedDest = reinterpret_cast<decltype(&cupsGetNamedDest)>(libreria.resolve("cupsGetNamedDest"));
        f.getOption = reinterpret_cast<decltype(&cupsGetOption)>(libreria.resolve("cupsGetOption"));
        f.freeDests = reinterpret_cast<decltype(&cupsFreeDests)>(libreria.resolve("cupsFreeDests"));
        return f; // the library stays loaded: QLibrary does not unload on destruction
    }();
    return funzioni;
}
} // namespace

StatoCoda statoCoda(const QString &nome)
{
    StatoCoda stato;
    const FunzioniCups &cups = funzioniCups();
    if (!cups.caricate())
        return stato;
    cups_dest_t *coda = cups.getNamedDest(CUPS_HTTP_DEFAULT, nome.toLocal8Bit().constData(), nullptr);
    if (!coda)
        return stato;
    const char *accetta = cups.getOption("printer-is-accepting-jobs", coda->num_options, coda->options);
    const char *condizione = cups.getOption("printer-state", coda->num_options, coda->options);
    stato.accettaLavori = !accetta || std::strcmp(accetta, "false") != 0;
    stato.ferma = condizione && std::strcmp(condizione, "5") == 0; // IPP printer-state "stopped"
    cups.freeDests(1, coda);
    return stato;
}
