#pragma once

#include "record/datiregistro.h"
#include "record/statoregistro.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <functional>

struct Dialetto;

// The record's store on one open connection: its schema, the writes the
// windows hand it (each made whole or not at all, and harmless when made
// again), and the series that a program which died left open. Used on one
// thread only, the record's own.
class Archivio final
{
public:
    /** Takes over the open connection of that name; closes and removes it when destroyed.
        postazione marks the series this program writes. */
    Archivio(const QString &connessione, const Dialetto &dialetto, Postazione postazione);
    ~Archivio();
    Archivio(const Archivio &) = delete;
    Archivio &operator=(const Archivio &) = delete;

    /** Runs one statement; false on failure (guasto() says why). */
    bool esegui(const QString &istruzione);
    /** The schema version the store holds; -1 when it cannot be read. */
    int versione();
    /** Brings the schema from daVersione to the current version, one transaction a step. */
    bool aggiornaSchema(int daVersione);
    /** Writes scrittura in one transaction; a series that has ended joins the queue for a
        lab's server, and so does a name. */
    bool scrivi(const Scrittura &scrittura);
    /** Ends, as interrupted, every series of this computer left open by a program no longer
        running: its end is its last answer, its operations stay as they are. */
    bool chiudiInterrotte();

    /** The fault behind the last failure. */
    Guasto guasto() const;

    /** The connection, for readers on the record's thread; keep no copy of it. */
    QSqlDatabase connessione() const { return m_db; }

private:
    bool inTransazione(const std::function<bool()> &lavoro);
    bool esegui(const QString &istruzione, const QVariantList &valori);
    bool scriviSerie(const DatiSerie &serie);
    bool scriviOperazione(const QUuid &serie, const DatiOperazione &operazione);
    bool scriviRisposta(const QUuid &serie, int indice, const DatiRisposta &risposta);
    bool scriviNome(const DatiNome &nome);
    bool accoda(const QString &tabella, const QVariant &chiave);

    QSqlDatabase m_db;
    const Dialetto &m_dialetto;
    Postazione m_postazione;
    QSqlError m_errore;
};
