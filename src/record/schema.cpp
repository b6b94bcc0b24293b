#include "schema.h"

#include "dialetto.h"

namespace {

// %1 is the dialect's date-time type.
const char *const versione1[] = {
    "CREATE TABLE serie ("
    " id TEXT PRIMARY KEY,"
    " inizio %1 NOT NULL,"
    " fine %1,"
    " esito TEXT,"
    " computer TEXT NOT NULL,"
    " utente TEXT NOT NULL,"
    " processo INTEGER NOT NULL,"
    " programma TEXT NOT NULL,"
    " operazione INTEGER NOT NULL,"
    " obiettivo INTEGER NOT NULL,"
    " descrizione_obiettivo TEXT NOT NULL,"
    " livello INTEGER NOT NULL,"
    " descrizione_livello TEXT NOT NULL,"
    " operazioni INTEGER NOT NULL,"
    " numero_esatte INTEGER NOT NULL,"
    " numero_errate INTEGER NOT NULL,"
    " risposte_esatte INTEGER NOT NULL,"
    " valutazione TEXT,"
    " secondi INTEGER NOT NULL)",
    "CREATE INDEX serie_inizio ON serie (inizio)",
    "CREATE TABLE operazioni ("
    " serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,"
    " indice INTEGER NOT NULL,"
    " riga TEXT NOT NULL,"
    " numero1 INTEGER NOT NULL,"
    " numero2 INTEGER NOT NULL,"
    " numero3 INTEGER NOT NULL,"
    " risultato INTEGER NOT NULL,"
    " tipo_domanda INTEGER NOT NULL,"
    " incognita INTEGER NOT NULL,"
    " intervento INTEGER NOT NULL,"
    " secondi INTEGER NOT NULL,"
    " PRIMARY KEY (serie_id, indice))",
    "CREATE TABLE risposte ("
    " serie_id TEXT NOT NULL,"
    " indice INTEGER NOT NULL,"
    " numero INTEGER NOT NULL,"
    " testo TEXT NOT NULL,"
    " esatta INTEGER NOT NULL,"
    " aiuto TEXT,"
    " secondi INTEGER NOT NULL,"
    " quando %1 NOT NULL,"
    " PRIMARY KEY (serie_id, indice, numero),"
    " FOREIGN KEY (serie_id, indice) REFERENCES operazioni (serie_id, indice) ON DELETE CASCADE)",
};

const char *const versione2[] = {
    // A name typed later is a row of its own; the newest one of a series is its name.
    "CREATE TABLE nomi ("
    " id TEXT PRIMARY KEY,"
    " serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,"
    " nome TEXT NOT NULL,"
    " scritto %1 NOT NULL)",
    "CREATE INDEX nomi_serie ON nomi (serie_id, scritto)",
    // Only in the local file: the rows (table and key) that a lab's server has not yet had.
    "CREATE TABLE coda_invio ("
    " tabella TEXT NOT NULL,"
    " chiave TEXT NOT NULL,"
    " PRIMARY KEY (tabella, chiave))",
    // The series a version-1 file had finished are owed to the server too.
    "INSERT INTO coda_invio (tabella, chiave) SELECT 'serie', id FROM serie WHERE fine IS NOT NULL",
};

template <std::size_t N>
QStringList istruzioni(const char *const (&testi)[N], const Dialetto &dialetto)
{
    QStringList elenco;
    for (const char *testo : testi)
        elenco << QString::fromLatin1(testo).replace(QStringLiteral("%1"), dialetto.tipoDataOra);
    return elenco;
}

} // namespace

QStringList schema::passo(int versione, const Dialetto &dialetto)
{
    switch (versione) {
    case 1:
        return istruzioni(versione1, dialetto);
    case 2:
        return istruzioni(versione2, dialetto);
    default:
        return {};
    }
}
