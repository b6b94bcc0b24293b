#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <functional>

// The two ways every part of the record talks to its database: one statement
// with its values, and a piece of work in one transaction. On failure errore
// gets the database's reason, which the caller turns into a fault.

/** Prepares istruzione on query, binds valori in order and runs it. */
bool eseguiIstruzione(QSqlQuery &query, const QString &istruzione, const QVariantList &valori, QSqlError &errore);

/** Runs lavoro in one transaction of db: committed when lavoro returns true, rolled back
    otherwise (lavoro has then set errore itself). */
bool eseguiInTransazione(QSqlDatabase &db, const std::function<bool()> &lavoro, QSqlError &errore);
