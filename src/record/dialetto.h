#pragma once

#include "record/statoregistro.h"

#include <QString>
#include <QStringList>

#include <functional>

class QSqlError;

// What differs from one SQL database to another, in one place: the record's
// store and its schema are written once against it. The local file speaks
// SQLite's, a lab's server PostgreSQL's.
struct Dialetto final
{
    QString driver;         // the Qt SQL driver
    QString tipoDataOra;    // the column type of a date-time, written as ISO 8601 text in UTC
    QString leggiVersione;  // reads the schema version: one row, one column
    QString scriviVersione; // sets it; %1 is the version
    /** What an INSERT does with a row whose key is already there: chiave are the key's
        columns, altre the rest. */
    std::function<QString(const QStringList &chiave, const QStringList &altre)> suConflitto;
    /** The fault behind one of this database's errors. */
    std::function<Guasto(const QSqlError &errore)> guasto;
};

/** SQLite, for the local file: a row written again takes the newer values, as a series
    grows answer by answer. */
const Dialetto &dialettoSqlite();

/** PostgreSQL, for a lab's server: a row already there is left as it is, so that sending a
    series again changes nothing (and the pupils' role, which may only add rows, may do it). */
const Dialetto &dialettoPostgres();

/** "INSERT INTO tabella (chiave..., altre...) VALUES (?, ...)" and the dialect's clause for a
    key already there; the values are bound in the order of the columns. */
QString inserimento(const Dialetto &dialetto, const QString &tabella, const QStringList &chiave,
                    const QStringList &altre);
