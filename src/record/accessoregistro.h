#pragma once

#include "record/consultazione.h"

#include <QString>

#include <functional>
#include <optional>

class Archivio;

// Where the teacher's view reads and changes the record: this computer's
// file. Runs on the record's thread.

/** The answer to one of the teacher's requests: the value, or why there is none. */
template <typename T>
struct EsitoRegistro final
{
    std::optional<T> valore;
    QString motivo; // Italian, to follow a colon; empty with a value
};

/** Runs lavoro on the record (archivio is the local file, null while it cannot be opened);
    empty when lavoro succeeded, else why not. */
QString consultaRegistro(Archivio *archivio, const std::function<bool(Consultazione &consultazione)> &lavoro);

/** The same for a request that returns a value. */
template <typename T>
EsitoRegistro<T> consultaRegistro(Archivio *archivio,
                                     const std::function<std::optional<T>(Consultazione &consultazione)> &lavoro)
{
    EsitoRegistro<T> risposta;
    risposta.motivo = consultaRegistro(archivio, [&risposta, &lavoro](Consultazione &consultazione) {
        risposta.valore = lavoro(consultazione);
        return risposta.valore.has_value();
    });
    return risposta;
}
