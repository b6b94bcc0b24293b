-- TARVELO: the class record of a school lab on one PostgreSQL server.
--
-- Run once, as a superuser, in the database the lab will use (see the README):
--   createdb tarvelo
--   psql -d tarvelo -v ON_ERROR_STOP=1 -f /usr/share/tarvelo/tarvelo-server.sql
--   psql -d tarvelo -c '\password tarvelo_alunni'
--   psql -d tarvelo -c '\password tarvelo_docente'
--
-- The pupils' computers log in as tarvelo_alunni, which may only add rows:
-- it cannot read, change or delete a single series. The teacher logs in as
-- tarvelo_docente, which reads, names and deletes. The database enforces it.

BEGIN;

-- The two roles; running the file again leaves roles already there as they are.
DO $$
BEGIN
    CREATE ROLE tarvelo_alunni LOGIN;
EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL;
END $$;
DO $$
BEGIN
    CREATE ROLE tarvelo_docente LOGIN;
EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL;
END $$;

-- The version of these tables: a program older than them writes nothing here.
CREATE TABLE versione_schema (versione INTEGER NOT NULL);
INSERT INTO versione_schema VALUES (2);

-- The same tables and columns as the record file on each computer.
CREATE TABLE serie (
    id TEXT PRIMARY KEY,
    inizio TIMESTAMPTZ NOT NULL,
    fine TIMESTAMPTZ,
    esito TEXT,
    computer TEXT NOT NULL,
    utente TEXT NOT NULL,
    processo INTEGER NOT NULL,
    programma TEXT NOT NULL,
    operazione INTEGER NOT NULL,
    obiettivo INTEGER NOT NULL,
    descrizione_obiettivo TEXT NOT NULL,
    livello INTEGER NOT NULL,
    descrizione_livello TEXT NOT NULL,
    operazioni INTEGER NOT NULL,
    numero_esatte INTEGER NOT NULL,
    numero_errate INTEGER NOT NULL,
    risposte_esatte INTEGER NOT NULL,
    valutazione TEXT,
    secondi INTEGER NOT NULL);
CREATE INDEX serie_inizio ON serie (inizio);

CREATE TABLE operazioni (
    serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,
    indice INTEGER NOT NULL,
    riga TEXT NOT NULL,
    numero1 INTEGER NOT NULL,
    numero2 INTEGER NOT NULL,
    numero3 INTEGER NOT NULL,
    risultato INTEGER NOT NULL,
    tipo_domanda INTEGER NOT NULL,
    incognita INTEGER NOT NULL,
    intervento INTEGER NOT NULL,
    secondi INTEGER NOT NULL,
    PRIMARY KEY (serie_id, indice));

CREATE TABLE risposte (
    serie_id TEXT NOT NULL,
    indice INTEGER NOT NULL,
    numero INTEGER NOT NULL,
    testo TEXT NOT NULL,
    esatta INTEGER NOT NULL,
    aiuto TEXT,
    secondi INTEGER NOT NULL,
    quando TIMESTAMPTZ NOT NULL,
    PRIMARY KEY (serie_id, indice, numero),
    FOREIGN KEY (serie_id, indice) REFERENCES operazioni (serie_id, indice) ON DELETE CASCADE);

-- A name typed later is a row of its own; the newest one of a series is its name.
CREATE TABLE nomi (
    id TEXT PRIMARY KEY,
    serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,
    nome TEXT NOT NULL,
    scritto TIMESTAMPTZ NOT NULL);
CREATE INDEX nomi_serie ON nomi (serie_id, scritto);

-- Nobody but the owner and the grants below touches the tables.
REVOKE ALL ON versione_schema, serie, operazioni, risposte, nomi FROM PUBLIC;

-- The pupils' computers: add series, operations, answers and names, and read
-- the version of the tables; nothing else. (The checks of the references run
-- with the owner's rights: adding needs no reading.)
GRANT SELECT ON versione_schema TO tarvelo_alunni;
GRANT INSERT ON serie, operazioni, risposte, nomi TO tarvelo_alunni;

-- The teacher: read and delete everything, name series.
GRANT SELECT ON versione_schema TO tarvelo_docente;
GRANT SELECT, DELETE ON serie, operazioni, risposte, nomi TO tarvelo_docente;
GRANT INSERT ON nomi TO tarvelo_docente;

COMMIT;
