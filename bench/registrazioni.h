#pragma once

#include "record/configurazioneserver.h"

#include <optional>

// The class record's writes against bare QSqlQuery inserts of the same rows in
// the same kind of database: a judged answer recorded in the SQLite file and,
// when a lab's server is given, on PostgreSQL; an ended series of 20
// operations sent from the file to the server. Files go into cartella.
void registrazioni(int volte, const QString &cartella, const std::optional<ConfigurazioneServer> &server);
