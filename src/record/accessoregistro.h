#pragma once

#include "record/consultazione.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Archivio;

// Where the teacher's view reads and changes the record: this computer's
// file, or, when a school lab's server is configured, the server, reached
// with the teacher role's password. That password is typed in the window and
// kept only in memory while the window is open; each request opens its own
// connection on the record's thread and closes it. Runs on the record's thread.

struct AccessoRegistro final
{
    /** The lab's configuration files, as the record reads them; none: no lab. */
    QStringList fileConfigurazione;
    /** The teacher role's password for a lab's server; empty until typed. */
    QString password;
};

/** The answer to one of the teacher's requests: the value, or why there is none. */
template <typename T>
struct EsitoRegistro final
{
    std::optional<T> valore;
    QString motivo; // Italian, to follow a colon; empty with a value
    bool laboratorio = false; // the record is a lab's server
};

/** How a request went: empty motivo when it succeeded; laboratorio when it went (or would
    have gone) to a lab's server. */
struct Consultato final
{
    QString motivo;
    bool laboratorio = false;
};

/** Runs lavoro on the record as accesso says: the local file (archivio, null while it cannot
    be opened), or a lab's server as its teacher's role, which needs the password. */
Consultato consultaRegistro(Archivio *archivio, const AccessoRegistro &accesso,
                            const std::function<bool(Consultazione &consultazione)> &lavoro);

/** The same for a request that returns a value. */
template <typename T>
EsitoRegistro<T> consultaRegistro(Archivio *archivio, const AccessoRegistro &accesso,
                                  const std::function<std::optional<T>(Consultazione &consultazione)> &lavoro)
{
    EsitoRegistro<T> risposta;
    const Consultato consultato = consultaRegistro(archivio, accesso, [&risposta, &lavoro](Consultazione &c) {
        risposta.valore = lavoro(c);
        return risposta.valore.has_value();
    });
    risposta.motivo = consultato.motivo;
    risposta.laboratorio = consultato.laboratorio;
    return risposta;
}
