#pragma once

#include "casuale.h"
#include "orologio.h"
#include "stampante.h"

#include <functional>
#include <memory>

// What the rules and the windows need from outside the program: the clock, the
// random source, a printer for each page and the message box. The program
// installs the real ones at start; tests install their own.
struct Servizi final
{
    std::shared_ptr<Orologio> orologio = std::make_shared<OrologioDiSistema>();
    Casuale casuale;
    /** A new printer for one page; never null. */
    std::function<std::unique_ptr<Stampante>()> creaStampante;
    /** Shows a message box with the program's title and an OK button; waits for it. */
    std::function<void(const QString &testo)> messaggio = [](const QString &) {};

    // Reseeds the random source from the clock, as every generator does first.
    Casuale &casualeRimescolato()
    {
        casuale.rimescola(orologio->secondiDallaMezzanotte());
        return casuale;
    }
};

Servizi &servizi();
