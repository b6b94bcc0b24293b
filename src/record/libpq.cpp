#include "libpq.h"

#include <QLibrary>

#include <optional>

namespace {

template <typename Funzione>
bool risolvi(QLibrary &libreria, const char *nome, Funzione &funzione)
{
    funzione = reinterpret_cast<Funzione>(libreria.resolve(nome));
    return funzione != nullptr;
}

std::optional<LibPq> carica()
{
    QLibrary libreria(QStringLiteral("pq"), 5);
    LibPq pq;
    const bool tutte = risolvi(libreria, "PQpingParams", pq.pingParams)
                       && risolvi(libreria, "PQconnectStartParams", pq.connectStartParams)
                       && risolvi(libreria, "PQconnectPoll", pq.connectPoll)
                       && risolvi(libreria, "PQsetErrorVerbosity", pq.setErrorVerbosity)
                       && risolvi(libreria, "PQsocket", pq.socket) && risolvi(libreria, "PQstatus", pq.status)
                       && risolvi(libreria, "PQerrorMessage", pq.errorMessage)
                       && risolvi(libreria, "PQconnectionNeedsPassword", pq.connectionNeedsPassword)
                       && risolvi(libreria, "PQfinish", pq.finish);
    // The library stays loaded for the program's life: QLibrary does not unload on destruction.
    return tutte ? std::optional<LibPq>(pq) : std::nullopt;
}

} // namespace

const LibPq *libPq()
{
    static const std::optional<LibPq> caricata = carica();
    return caricata ? &*caricata : nullptr;
}
