#include "servercups.h"

#include <cups/cups.h>

#include <QLibrary>

#include <sys/socket.h>

#include <algorithm>
#include <optional>
#include <type_traits>

namespace {
// libcups and the twenty libraries it pulls in (TLS, Kerberos, Avahi, D-Bus)
// are loaded at the first page, not at start-up: the start window comes up
// without waiting for them.
struct FunzioniCups final
{
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) porta = nullptr;
    decltype(&cupsEncryption) cifratura = nullptr;
    decltype(&httpConnect2) connetti = nullptr;
    decltype(&httpSetTimeout) limitaAttese = nullptr;
    decltype(&httpClose) chiudi = nullptr;
    decltype(&cupsSetPasswordCB2) domandaPassword = nullptr;
    decltype(&cupsGetNamedDest) coda = nullptr;
    decltype(&cupsGetOption) opzione = nullptr;
    decltype(&cupsFreeDests) liberaCode = nullptr;
    decltype(&cupsCreateJob) creaLavoro = nullptr;
    decltype(&cupsStartDocument) iniziaDocumento = nullptr;
    decltype(&cupsWriteRequestData) scriviDati = nullptr;
    decltype(&cupsFinishDocument) finisciDocumento = nullptr;
    decltype(&cupsCancelJob2) annullaLavoro = nullptr;
};

// A server asking for a password gets none: the page then goes to a PDF file
// instead of a prompt on a terminal the pupil cannot see.
const char *nessunaPassword(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

// Null when libcups or one of its functions is missing.
const FunzioniCups *funzioniCups()
{
    static const std::optional<FunzioniCups> funzioni = []() -> std::optional<FunzioniCups> {
        QLibrary libreria(QStringLiteral("cups"), 2);
        FunzioniCups f;
        bool tutte = true;
        const auto risolvi = [&](auto &funzione, const char *nome) {
            funzione = reinterpret_cast<std::remove_reference_t<decltype(funzione)>>(libreria.resolve(nome));
            tutte = tutte && funzione;
        };
        risolvi(f.server, "cupsServer");
        risolvi(f.porta, "ippPort");
        risolvi(f.cifratura, "cupsEncryption");
        risolvi(f.connetti, "httpConnect2");
        risolvi(f.limitaAttese, "httpSetTimeout");
        risolvi(f.chiudi, "httpClose");
        risolvi(f.domandaPassword, "cupsSetPasswordCB2");
        risolvi(f.coda, "cupsGetNamedDest");
        risolvi(f.opzione, "cupsGetOption");
        risolvi(f.liberaCode, "cupsFreeDests");
        risolvi(f.creaLavoro, "cupsCreateJob");
        risolvi(f.iniziaDocumento, "cupsStartDocument");
        risolvi(f.scriviDati, "cupsWriteRequestData");
        risolvi(f.finisciDocumento, "cupsFinishDocument");
        risolvi(f.annullaLavoro, "cupsCancelJob2");
        if (!tutte)
            return std::nullopt;
        f.domandaPassword(nessunaPassword, nullptr);
        return f; // the library stays loaded: QLibrary does not unload on destruction
    }();
    return funzioni ? &*funzioni : nullptr;
}

// libcups polls the connection this often while it waits, and asks
// attendiAncora whether to go on.
constexpr double intervalloSecondi = 0.1;

int attendiAncora(http_t *, void *scadenza)
{
    return static_cast<const QDeadlineTimer *>(scadenza)->hasExpired() ? 0 : 1;
}
} // namespace

ServerCups::ServerCups(QDeadlineTimer scadenza)
    : m_scadenza(scadenza)
{
    const FunzioniCups *cups = funzioniCups();
    if (!cups)
        return;
    const int millisecondi = static_cast<int>(std::clamp<qint64>(m_scadenza.remainingTime(), 1, 60000));
    m_http = cups->connetti(cups->server(), cups->porta(), nullptr, AF_UNSPEC, cups->cifratura(), 1, millisecondi,
                            nullptr);
    if (m_http)
        cups->limitaAttese(m_http, intervalloSecondi, attendiAncora, &m_scadenza);
    else
        m_esito = fallimento();
}

ServerCups::~ServerCups()
{
    if (m_http)
        funzioniCups()->chiudi(m_http);
}

EsitoCups ServerCups::fallimento() const
{
    return m_scadenza.hasExpired() ? EsitoCups::NonRisponde : EsitoCups::NessunaStampante;
}

std::optional<CodaCups> ServerCups::codaPredefinita()
{
    if (!m_http)
        return std::nullopt;
    const FunzioniCups &cups = *funzioniCups();
    cups_dest_t *coda = cups.coda(m_http, nullptr, nullptr);
    if (!coda) {
        m_esito = fallimento();
        return std::nullopt;
    }
    const auto opzione = [&](const char *nome) {
        return QString::fromUtf8(cups.opzione(nome, coda->num_options, coda->options));
    };
    CodaCups trovata{QString::fromUtf8(coda->name), opzione("printer-is-accepting-jobs") != QLatin1String("false"),
                     opzione("printer-state") == QLatin1String("5"), // IPP printer-state "stopped"
                     opzione("media")};
    cups.liberaCode(1, coda);
    if (!trovata.accettaLavori)
        m_esito = EsitoCups::NonAccetta;
    return trovata;
}

bool ServerCups::invia(const QString &coda, const QByteArray &pdf, const QString &titolo)
{
    if (!m_http)
        return false;
    const FunzioniCups &cups = *funzioniCups();
    const QByteArray nome = coda.toUtf8();
    const QByteArray titoloUtf8 = titolo.toUtf8();
    // Qt hands the page over with one call and never reads the answer; here
    // each step's answer is read, so a job the queue refuses is known.
    const int lavoro = cups.creaLavoro(m_http, nome.constData(), titoloUtf8.constData(), 0, nullptr);
    const bool consegnato =
        lavoro > 0
        && cups.iniziaDocumento(m_http, nome.constData(), lavoro, titoloUtf8.constData(), CUPS_FORMAT_PDF, 1)
               == HTTP_STATUS_CONTINUE
        && cups.scriviDati(m_http, pdf.constData(), static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE
        && cups.finisciDocumento(m_http, nome.constData()) < IPP_STATUS_REDIRECTION_OTHER_SITE;
    if (consegnato) {
        m_esito = EsitoCups::Inviata;
        return true;
    }
    m_esito = m_scadenza.hasExpired() ? EsitoCups::NonRisponde : EsitoCups::Rifiutata;
    // A job the server created but never got whole would wait there for ever.
    if (lavoro > 0 && !m_scadenza.hasExpired())
        cups.annullaLavoro(m_http, nome.constData(), lavoro, 0);
    return false;
}
