#pragma once

#include <QString>

// What the print server says about a queue, as far as sending it a page goes.
// Qt's print support does not tell whether a queue accepts jobs, and a page
// sent to a queue that rejects jobs is dropped without a word, so we ask CUPS.
struct StatoCoda final
{
    bool accettaLavori = true; // false: a page sent now would be lost
    bool ferma = false;        // stopped: a page sent now waits in the queue
};

/**
 * The state of the queue named nome on the current print server. A queue the
 * server does not know, or a server that does not answer, gives the defaults:
 * whether the page can go is then decided by Qt when it starts the page.
 */
StatoCoda statoCoda(const QString &nome);
