#pragma once

#include "record/impostazioniregistro.h"
#include "record/serieincorso.h"
#include "record/statoregistro.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <chrono>
#include <functional>
#include <memory>

class Archivio;
class LavoratoreRegistro;
class QThread;

// The class record as the windows see it, on the user-interface thread: they
// hand it what happens in a series and the names typed, and it passes each
// write to its own thread with queued calls. No call here ever waits for the
// store; only chiudi() waits, for a bounded time, at the end of the program.
// The record never reaches into a window.
class RegistroClasse final : public QObject
{
    Q_OBJECT

public:
    /** Starts the record's thread, which opens the store. What the windows hand the
        record before it is started is not recorded. */
    void avvia(const ImpostazioniRegistro &impostazioni);
    /** Lets the thread write what it still keeps and waits for it at most attesa; true when
        it finished in time (a thread that did not is left to end with the process). The
        record may be started again afterwards. */
    bool chiudi(std::chrono::milliseconds attesa);
    bool avviato() const { return m_thread != nullptr; }

    // What the exercise window hands the record, with the shared state as it stands.
    void serieIniziata(const Modulo2 &stato);
    void rispostaGiudicata(const Modulo2 &stato, bool esatta);
    void aiutoRifiutato(const Modulo2 &stato, bool intervento);
    void correzioneMostrata(const Modulo2 &stato);
    /** Ends the series under way; nothing if it has already ended. */
    void serieTerminata(const Modulo2 &stato, FineSerie come);

    /** The series whose work the shared state holds now. */
    QUuid serieAttuale() const { return m_serie.id(); }
    /** A name typed for serie: kept as its newest name. A name of blanks only, or a series
        that never reached the store, records nothing. */
    void nomeScritto(const QUuid &serie, const QString &nome);
    /** The name after the certificate's capitalisation: when it is the last name typed with
        its first letter raised, it becomes that series' newest name. */
    void nomeMaiuscolo(const QString &nome);

    /** The settings the record was last started with. */
    const ImpostazioniRegistro &impostazioni() const { return m_impostazioni; }

    /** What is wrong with the store and what is kept, as the teacher is told. */
    StatoRegistro stato() const { return m_stato; }

    /**
     * Runs domanda on the record's thread, after everything handed to the record before,
     * with the open store (null while it cannot be opened: stato() says why); then gives
     * what it returns to risposta on this thread, if contesto still exists. Never waits;
     * nothing runs while the record is not started. domanda must keep no copy of the
     * store's connection.
     */
    template <typename Esito>
    void interroga(std::function<Esito(Archivio *archivio)> domanda, QObject *contesto,
                   std::function<void(Esito esito)> risposta)
    {
        eseguiSulLavoratore([this, domanda = std::move(domanda), destinatario = QPointer<QObject>(contesto),
                             risposta = std::move(risposta)](Archivio *archivio) {
            auto esito = std::make_shared<Esito>(domanda(archivio));
            QMetaObject::invokeMethod(
                this,
                [destinatario, risposta, esito] {
                    if (destinatario)
                        risposta(std::move(*esito));
                },
                Qt::QueuedConnection);
        });
    }

signals:
    void statoCambiato(const StatoRegistro &stato);

private:
    void consegna(const std::optional<Scrittura> &scrittura);
    void eseguiSulLavoratore(std::function<void(Archivio *archivio)> lavoro);
    void aggiornaStato(const StatoRegistro &stato);
    QDateTime momentoNome();

    QThread *m_thread = nullptr;
    LavoratoreRegistro *m_lavoratore = nullptr;
    SerieInCorso m_serie;
    QSet<QUuid> m_registrate; // the series of this run that reached the store
    std::optional<DatiNome> m_ultimoNome;
    StatoRegistro m_stato;
    ImpostazioniRegistro m_impostazioni;
};

/** The one record of the program. */
RegistroClasse &registroClasse();
