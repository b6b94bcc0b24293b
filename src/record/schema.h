#pragma once

#include <QStringList>

struct Dialetto;

// The tables of the class record and the steps that bring a store from any
// earlier version to the current one. Version 1 kept the series, their
// operations and the answers; version 2 adds the pupils' names and the queue
// of what still has to go to a lab's server; version 3 the teacher's password.
namespace schema {

constexpr int versioneCorrente = 3;

/** The version of a lab server's tables (dist/tarvelo-server.sql): the file's own, without
    the tables that stay on each computer; the file's version 3 added only such a table. */
constexpr int versioneServer = 2;

/** The statements that bring a store from version - 1 to version (1 to versioneCorrente);
    from 0 they create it. */
QStringList passo(int versione, const Dialetto &dialetto);

} // namespace schema
