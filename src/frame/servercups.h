#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>

struct _http_s;

// How the print server dealt with a page.
enum class EsitoCups {
    Inviata,          // the queue took the page
    NessunaStampante, // no print server, or a server with no default queue
    NonRisponde,      // the server did not answer in time
    NonAccetta,       // the default queue rejects jobs
    Rifiutata,        // the queue refused the page when it was handed over
};

// The default queue, as far as sending it a page goes.
struct CodaCups final
{
    QString nome;
    bool accettaLavori = true;
    bool ferma = false; // stopped: a page sent now waits in the queue
    QString formato;    // the queue's default media, e.g. "iso_a4_210x297mm"; empty when it names none
};

// A conversation with the print server on a connection of our own, where every
// wait ends by one deadline: a server that takes connections and never answers
// costs that long and no longer, and Qt's print support, which would wait for
// CUPS's full timeout, is never asked. libcups is loaded at the first page,
// not at start-up.
class ServerCups final
{
public:
    /** Connects to the current print server, waiting no later than scadenza. */
    explicit ServerCups(QDeadlineTimer scadenza);
    ~ServerCups();
    ServerCups(const ServerCups &) = delete;
    ServerCups &operator=(const ServerCups &) = delete;

    /**
     * The default queue. Nothing when there is no server, no default queue or
     * no answer in time, and esito() says which; a queue that rejects jobs is
     * given, with esito() NonAccetta.
     */
    std::optional<CodaCups> codaPredefinita();

    /**
     * Hands the PDF document over to the queue as one job named titolo; true
     * when the server confirms it has the whole job. A job left half-sent is
     * cancelled.
     */
    bool invia(const QString &coda, const QByteArray &pdf, const QString &titolo);

    /**
     * Inviata once invia() succeeded; otherwise why the page cannot go, after
     * codaPredefinita() gave nothing or a queue that rejects jobs, or after
     * invia() failed.
     */
    EsitoCups esito() const { return m_esito; }

private:
    EsitoCups fallimento() const;

    QDeadlineTimer m_scadenza;
    _http_s *m_http = nullptr;
    EsitoCups m_esito = EsitoCups::NessunaStampante;
};
