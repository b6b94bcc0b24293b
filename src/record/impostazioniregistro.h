#pragma once

#include <QString>

#include <chrono>

// Where the class record keeps its file and how patiently it writes.
struct ImpostazioniRegistro final
{
    QString percorso; // the SQLite file
    /** How long a write waits for another program that holds the file. */
    std::chrono::milliseconds attesaOccupato{1000};
    /** How long the record waits before trying again after a fault that may pass. */
    std::chrono::milliseconds riprova{5000};
};

/** The record in the user's data folder: TARVELO/registro.sqlite under
    $XDG_DATA_HOME, ~/.local/share by default. */
ImpostazioniRegistro impostazioniPredefinite();
