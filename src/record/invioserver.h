#pragma once

#include "record/configurazioneserver.h"
#include "record/datiregistro.h"

#include <QSqlDatabase>

#include <functional>

class Archivio;

/** How a pass of sending went. */
struct EsitoInvio final
{
    Guasto guasto = Guasto::nessuno;
    /** The server's fault in one Italian sentence, or for none the server's description. */
    QString motivo;
    /** The fault is the local file's (motivo is then empty): the file must be opened afresh. */
    bool nelFile = false;
};

// Sends to a school lab's server what the local record file keeps for it:
// each ended series with its operations and answers, then each name of a
// series the server has, one server transaction each. A row already on the
// server is left as it is, so a series sent again (the program stopped after
// the server's commit and before the queue forgot it) changes nothing. Only
// once the server has committed does the queue forget it; then a series the
// server has, with all its names, is deleted from the file, which on a lab
// computer is only the queue. Used on the record's thread; it keeps its
// connection to the server open between passes.
class InvioServer final
{
public:
    explicit InvioServer(Postazione postazione);
    ~InvioServer();
    InvioServer(const InvioServer &) = delete;
    InvioServer &operator=(const InvioServer &) = delete;

    /**
     * One pass over the local file's queue with the pupils' role; basta is asked before
     * each series and name, and true stops the pass there (what is left waits for the
     * next). The series of this program, which a name typed later may still join, stay in
     * the file unless ancheQuestaSessione; those of programs no longer running go once sent.
     */
    EsitoInvio invia(const ConfigurazioneServer &configurazione, Archivio &locale, bool ancheQuestaSessione,
                     const std::function<bool()> &basta);
    /** Deletes from the file the series the server has, as a pass does, without the network. */
    EsitoInvio eliminaInviate(Archivio &locale, bool ancheQuestaSessione);
    /** True while the connection of the last pass is open. */
    bool collegato() const { return m_server.isValid(); }

private:
    bool collega(const ConfigurazioneServer &configurazione, EsitoInvio &esito);
    void scollega();
    bool inviaUna(Archivio &locale, const QString &tabella, const QString &chiave, EsitoInvio &esito);

    Postazione m_postazione;
    QSqlDatabase m_server;
    ConfigurazioneServer m_configurazione;
};
