#pragma once

#include <QStringList>

struct Dialetto;

// The tables of the class record and the steps that bring a store from any
// earlier version to the current one. Version 1 kept the series, their
// operations and the answers; version 2 adds the pupils' names and the queue
// of what still has to go to a lab's server.
namespace schema {

constexpr int versioneCorrente = 2;

/** The statements that bring a store from version - 1 to version (1 to versioneCorrente);
    from 0 they create it. */
QStringList passo(int versione, const Dialetto &dialetto);

} // namespace schema
