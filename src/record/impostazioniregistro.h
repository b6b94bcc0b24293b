#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

// Where the class record keeps its file, where a school lab's server is
// configured, and how patiently it writes.
struct ImpostazioniRegistro final
{
    QString percorso; // the SQLite file
    /** The configuration files of a lab's server, system's first; none: no lab. */
    QStringList fileConfigurazione;
    /** How long a write waits for another program that holds the file. */
    std::chrono::milliseconds attesaOccupato{1000};
    /** How long the record waits before trying again after a fault that may pass. */
    std::chrono::milliseconds riprova{5000};
    /** How long the record waits before sending again to a lab's server that failed. */
    std::chrono::milliseconds riprovaServer{15000};
};

/** The record in the user's data folder: TARVELO/registro.sqlite under
    $XDG_DATA_HOME, ~/.local/share by default; the lab's server as the system's and the
    user's configuration files name it. */
ImpostazioniRegistro impostazioniPredefinite();
