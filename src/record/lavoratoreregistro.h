#pragma once

#include "record/archivio.h"
#include "record/impostazioniregistro.h"
#include "record/invioserver.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>

// The record's worker, living on the record's own thread with its own
// connection: it keeps every write handed to it, in order, until the store
// has it. While the store cannot take them (locked, read-only, no room, no
// folder) the writes wait in memory and are tried again later; a damaged
// file is set aside and a new one begun. With a school lab's server
// configured, what the file queues for it is sent when a series ends, a name
// is written or the program starts, never while a series is under way; after
// a failure it is sent again on a timer.
class LavoratoreRegistro final : public QObject
{
    Q_OBJECT

public:
    explicit LavoratoreRegistro(ImpostazioniRegistro impostazioni);
    ~LavoratoreRegistro() override;

    /** Opens the store, which also closes the series a dead program left open. */
    void apri();
    /** Keeps scrittura after the others and writes all it can. */
    void accoda(const Scrittura &scrittura);
    /** Runs lettura on the open store, or with null when it cannot be opened. */
    void leggi(const std::function<void(Archivio *archivio)> &lettura);
    /** Writes what it can once more, closes the store and ends the thread. */
    void concludi();

signals:
    void statoCambiato(const StatoRegistro &stato);

private:
    bool pronto();
    void scriviCoda();
    void fileGuasto(Guasto guasto);
    void inviaAlServer();
    void inviaPerUltimo();
    void segnala(Guasto guasto);
    bool mettiDaParteIlFile();
    void annunciaStato();

    ImpostazioniRegistro m_impostazioni;
    Postazione m_postazione;
    std::unique_ptr<Archivio> m_archivio;
    std::deque<Scrittura> m_coda;
    QTimer m_riprova;
    std::unique_ptr<InvioServer> m_invio;
    QTimer m_riprovaServer;
    // The lab's server as the last pass read it: none without a lab.
    std::optional<ConfigurazioneServer> m_server;
    EsitoInvio m_esitoServer;
    bool m_serieAperta = false; // the last write was of a series under way
    // The fault that keeps the store closed now.
    Guasto m_guasto = Guasto::nessuno;
    // What happened in this session that the state line keeps saying once the store
    // works: a damaged file set aside (and its new name), a write refused.
    std::optional<Guasto> m_nota;
    QString m_messoDaParte;
    StatoRegistro m_annunciato;
};
