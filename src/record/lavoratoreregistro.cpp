#include "lavoratoreregistro.h"

#include "fileregistro.h"
#include "postazione.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {
// How long the program's end gives the server, a part of the wait at the end.
constexpr std::chrono::milliseconds attesaUltimoInvio{1000};
} // namespace

LavoratoreRegistro::LavoratoreRegistro(ImpostazioniRegistro impostazioni)
    : m_impostazioni(std::move(impostazioni))
{
    // A member with this as parent, so that it moves to the record's thread with the worker.
    m_riprova.setParent(this);
    m_riprova.setSingleShot(true);
    m_riprova.setInterval(m_impostazioni.riprova);
    connect(&m_riprova, &QTimer::timeout, this, &LavoratoreRegistro::scriviCoda);
    m_riprovaServer.setParent(this);
    m_riprovaServer.setSingleShot(true);
    m_riprovaServer.setInterval(m_impostazioni.riprovaServer);
    connect(&m_riprovaServer, &QTimer::timeout, this, &LavoratoreRegistro::inviaAlServer);
}

LavoratoreRegistro::~LavoratoreRegistro() = default;

void LavoratoreRegistro::apri()
{
    // Asked here, on the record's thread: the user's name may come from a slow directory.
    m_postazione = questaPostazione();
    m_invio = std::make_unique<InvioServer>(m_postazione);
    scriviCoda();
    inviaAlServer();
}

void LavoratoreRegistro::accoda(const Scrittura &scrittura)
{
    m_coda.push_back(scrittura);
    if (scrittura.serie)
        m_serieAperta = !scrittura.serie->fine;
    scriviCoda();
    if ((scrittura.serie && scrittura.serie->fine) || scrittura.nome)
        inviaAlServer();
}

void LavoratoreRegistro::leggi(const std::function<void(Archivio *)> &lettura)
{
    lettura(pronto() ? m_archivio.get() : nullptr);
}

void LavoratoreRegistro::concludi()
{
    m_riprova.stop();
    scriviCoda();
    m_riprova.stop();
    inviaPerUltimo();
    m_invio.reset();
    m_archivio.reset();
    thread()->quit();
}

bool LavoratoreRegistro::pronto()
{
    // A fault that may pass is tried again when the timer says so; the others never.
    if (m_archivio)
        return true;
    if ((m_guasto != Guasto::nessuno && !passeggero(m_guasto)) || m_riprova.isActive())
        return false;
    AperturaFile apertura = apriFileRegistro(m_impostazioni, m_postazione);
    if (apertura.guasto == Guasto::rovinato) {
        if (!mettiDaParteIlFile()) {
            segnala(Guasto::cartella);
            return false;
        }
        apertura = apriFileRegistro(m_impostazioni, m_postazione);
    }
    if (!apertura.archivio) {
        // A new file found damaged too is no fault of the old one: the disk is tried again later.
        segnala(apertura.guasto == Guasto::rovinato ? Guasto::scrittura : apertura.guasto);
        return false;
    }
    m_archivio = std::move(apertura.archivio);
    m_guasto = Guasto::nessuno;
    annunciaStato();
    return true;
}

void LavoratoreRegistro::scriviCoda()
{
    while (pronto() && !m_coda.empty()) {
        if (m_archivio->scrivi(m_coda.front())) {
            m_coda.pop_front();
            continue;
        }
        const Guasto guasto = m_archivio->guasto();
        if (guasto == Guasto::rifiutata) {
            m_nota = guasto;
            m_coda.pop_front();
            continue;
        }
        fileGuasto(guasto);
    }
    annunciaStato();
}

void LavoratoreRegistro::fileGuasto(Guasto guasto)
{
    // The store is opened afresh for the next try.
    m_archivio.reset();
    if (guasto != Guasto::rovinato)
        segnala(guasto);
    else if (!mettiDaParteIlFile())
        segnala(Guasto::cartella);
}

void LavoratoreRegistro::inviaAlServer()
{
    // While a series is under way the network waits for its end; after a failure, for the
    // timer; once the program is ending, for the last pass.
    const auto fine = [this] { return thread()->isInterruptionRequested(); };
    if (m_serieAperta || m_riprovaServer.isActive() || fine() || !m_invio || !pronto())
        return;
    m_server = leggiConfigurazioneServer(m_impostazioni.fileConfigurazione);
    if (!m_server) {
        m_esitoServer = {};
        annunciaStato();
        return;
    }
    const EsitoInvio esito = m_invio->invia(*m_server, *m_archivio, false, fine);
    if (esito.nelFile) {
        fileGuasto(esito.guasto);
        return;
    }
    m_esitoServer = esito;
    if (esito.guasto != Guasto::nessuno)
        m_riprovaServer.start();
    annunciaStato();
}

void LavoratoreRegistro::inviaPerUltimo()
{
    // At the end the network is used only if the server was answering, and for a moment: a
    // server that does not answer, or a long queue, would hold the program's end. The series
    // of this program that the server already has leave the file.
    m_riprovaServer.stop();
    if (!m_server || !m_archivio)
        return;
    if (!m_invio->collegato()) {
        m_invio->eliminaInviate(*m_archivio, true);
        return;
    }
    const QDeadlineTimer scadenza(attesaUltimoInvio);
    const EsitoInvio esito =
        m_invio->invia(*m_server, *m_archivio, true, [&scadenza] { return scadenza.hasExpired(); });
    if (!esito.nelFile)
        m_esitoServer = esito;
    annunciaStato();
}

void LavoratoreRegistro::segnala(Guasto guasto)
{
    m_guasto = guasto;
    if (passeggero(guasto))
        m_riprova.start();
    annunciaStato();
}

bool LavoratoreRegistro::mettiDaParteIlFile()
{
    const QString nuovo = mettiDaParte(m_impostazioni.percorso, QDateTime::currentDateTime());
    if (nuovo.isEmpty())
        return false;
    m_nota = Guasto::rovinato;
    m_messoDaParte = nuovo;
    return true;
}

void LavoratoreRegistro::annunciaStato()
{
    StatoRegistro stato;
    // The file's fault first: what it cannot take is only in memory.
    const bool laboratorio = m_server && !m_esitoServer.motivo.isEmpty();
    if (m_guasto != Guasto::nessuno)
        stato = statoRegistro(m_guasto, m_impostazioni.percorso);
    else if (laboratorio && m_esitoServer.guasto != Guasto::nessuno)
        stato = statoServer(m_esitoServer.guasto, m_esitoServer.motivo, m_impostazioni.percorso);
    else if (m_nota)
        stato = statoRegistro(*m_nota, m_impostazioni.percorso, m_messoDaParte);
    else if (m_archivio)
        stato = laboratorio ? statoServer(Guasto::nessuno, m_esitoServer.motivo, m_impostazioni.percorso)
                            : statoRegistro(Guasto::nessuno, m_impostazioni.percorso);
    if (stato == m_annunciato)
        return;
    m_annunciato = stato;
    emit statoCambiato(stato);
}
