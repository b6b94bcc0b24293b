#pragma once

#include <libpq-fe.h>

// The few functions of libpq that tell why a server turned a connection down,
// loaded when a lab's server is first used: linked to the program, libpq and
// what it needs (TLS, Kerberos, LDAP) would load at every start, on every
// computer, lab or not. Qt's PostgreSQL driver loads the same library.
struct LibPq final
{
    decltype(&PQpingParams) pingParams = nullptr;
    decltype(&PQconnectStartParams) connectStartParams = nullptr;
    decltype(&PQconnectPoll) connectPoll = nullptr;
    decltype(&PQsetErrorVerbosity) setErrorVerbosity = nullptr;
    decltype(&PQsocket) socket = nullptr;
    decltype(&PQstatus) status = nullptr;
    decltype(&PQerrorMessage) errorMessage = nullptr;
    decltype(&PQconnectionNeedsPassword) connectionNeedsPassword = nullptr;
    decltype(&PQfinish) finish = nullptr;
};

/** libpq, loaded once; null when it cannot be (then neither can Qt's driver). Thread-safe. */
const LibPq *libPq();
