#pragma once

#include <QString>

// What can go wrong with the record's store, and the one Italian line that
// says what is wrong and what is kept.

enum class Guasto {
    nessuno,
    rovinato,      // the file was not a database or was damaged: set aside, a new one begun
    rifiutata,     // the store refused one write for good: that write was dropped
    bloccato,      // another program holds the file
    solaLettura,   // the file cannot be written
    scrittura,     // the disk is full or failing
    cartella,      // the folder is missing and cannot be made, or cannot be written
    versioneNuova, // the file comes from a newer program: left alone
    senzaDriver,   // Qt's driver for the database is not installed
    // A lab's server: what it has not had yet stays queued in the local file.
    serverIrraggiungibile, // no answer: down, a wrong address, no network
    serverPassword,        // the role's password is wrong or missing
    serverPermesso,        // the server refuses the role: no entry for it, or no right to add rows
    serverVersioneNuova,   // its tables come from a newer program: nothing is written there
    serverSenzaTabelle,    // its tables are missing or older than the program
    serverErrore,          // it refused a row for another reason
    filePassword,          // the password file is missing, unreadable or open to others
    configurazione,        // the lab's configuration file is malformed
};

/** True for a fault that may go away by itself, so the writes are tried again later. */
bool passeggero(Guasto guasto);

struct StatoRegistro final
{
    Guasto guasto = Guasto::nessuno;
    /** What is wrong and what is kept, in one Italian line; "" before the store is opened. */
    QString riga;

    bool operator==(const StatoRegistro &altro) const { return guasto == altro.guasto && riga == altro.riga; }
};

/** The state line of guasto for the file at percorso; messoDaParte names the damaged file
    set aside. */
StatoRegistro statoRegistro(Guasto guasto, const QString &percorso, const QString &messoDaParte = QString());

/** The state line of a lab's server while the file at percorso works: motivo is what is wrong
    (one Italian sentence), or for Guasto::nessuno the server's description. */
StatoRegistro statoServer(Guasto guasto, const QString &motivo, const QString &percorso);
