#pragma once

#include "record/configurazioneserver.h"

#include <QSqlDatabase>

// A connection to a school lab's PostgreSQL server, opened on the calling
// thread (Qt's connections belong to the thread that made them) for one role:
// the pupils' role with the password of the configured file, or the teacher's
// with a password typed in and never stored. It waits a bounded time for an
// answer, and tells why it did not open in one Italian sentence.

/** How long a server that does not answer is waited for, in seconds (libpq's connect_timeout). */
constexpr int secondiConnessione = 3;

struct ConnessioneServer final
{
    /** Open, and the server's tables are this program's; invalid when it did not open. */
    QSqlDatabase connessione;
    Guasto guasto = Guasto::nessuno;
    /** Why it did not open: one Italian sentence naming the server (and the role). */
    QString motivo;
};

/**
 * Connects to the server of configurazione as ruolo with password (empty: libpq finds it
 * in ~/.pgpass or $PGPASSFILE), then reads the version of its tables: a server whose
 * tables are missing, older or newer than this program's is refused
 * (Guasto::serverSenzaTabelle, Guasto::serverVersioneNuova) and nothing is written there.
 * Blocks the calling thread for at most about secondiConnessione seconds when the server
 * does not answer. A connection that failed is already removed.
 */
ConnessioneServer apriConnessioneServer(const ConfigurazioneServer &configurazione, const QString &ruolo,
                                        const QString &password);

/** Closes a connection opened by apriConnessioneServer and removes it from Qt's list;
    connessione must be its last handle, and is left invalid. */
void chiudiConnessioneServer(QSqlDatabase &connessione);

/** The server as the state line names it: "database tarvelo su 192.168.1.10, porta 5432". */
QString descrizioneServer(const ConfigurazioneServer &configurazione);

/** What guasto (a fault of Guasto's server kinds) means for the server of configurazione
    and ruolo, in one Italian sentence; dettaglio, the server's own words, is added in
    brackets when not empty. */
QString motivoServer(Guasto guasto, const ConfigurazioneServer &configurazione, const QString &ruolo,
                     const QString &dettaglio = QString());
