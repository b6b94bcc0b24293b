#pragma once

#include "record/archivio.h"
#include "record/impostazioniregistro.h"

#include <memory>

// The record's local SQLite file: opened with a write-ahead journal, a busy
// timeout, foreign keys and deleted rows overwritten, its schema created or
// brought up to date, the series left open by a dead program closed. A
// damaged file is set aside, never deleted.

struct AperturaFile final
{
    std::unique_ptr<Archivio> archivio; // null when the file cannot be used
    Guasto guasto = Guasto::nessuno;
};

/** Opens the file of impostazioni; a file from a newer program is left exactly as it is, and
    without Qt's SQLite driver nothing is touched. */
AperturaFile apriFileRegistro(const ImpostazioniRegistro &impostazioni, const Postazione &postazione);

/** Renames the file and its journal files beside it, as "<name>-rovinato-<date and time>.sqlite"
    (a number added if that is taken); returns the new name of the file, empty if it could not. */
QString mettiDaParte(const QString &percorso, const QDateTime &adesso);
