#include "invioserver.h"

#include "archivio.h"
#include "connessioneserver.h"
#include "dialetto.h"
#include "istruzionisql.h"
#include "postazione.h"
#include "schema.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <vector>

namespace {

// What one entry of the queue carries: the rows of each table whose column holds its key.
struct Parte
{
    QString tabella;
    QString colonna;
};

std::vector<Parte> parti(const QString &tabella)
{
    if (tabella == QLatin1String("serie"))
        return {{QStringLiteral("serie"), QStringLiteral("id")},
                {QStringLiteral("operazioni"), QStringLiteral("serie_id")},
                {QStringLiteral("risposte"), QStringLiteral("serie_id")}};
    return {{QStringLiteral("nomi"), QStringLiteral("id")}};
}

// The queue, oldest first: the ended series, then the names of series the server has.
const QString serieInCoda = QStringLiteral(
    "SELECT chiave FROM coda_invio JOIN serie ON serie.id = chiave WHERE tabella = 'serie' AND fine IS NOT NULL"
    " ORDER BY inizio");
const QString nomiInCoda = QStringLiteral(
    "SELECT chiave FROM coda_invio JOIN nomi ON nomi.id = chiave JOIN serie ON serie.id = nomi.serie_id"
    " WHERE tabella = 'nomi' AND serie.fine IS NOT NULL"
    " AND serie.id NOT IN (SELECT chiave FROM coda_invio WHERE tabella = 'serie') ORDER BY scritto");

// The ended series of a computer that the server has with all their names.
const QString inviate = QStringLiteral(
    "SELECT id, processo FROM serie WHERE fine IS NOT NULL AND computer = ?"
    " AND id NOT IN (SELECT chiave FROM coda_invio WHERE tabella = 'serie')"
    " AND id NOT IN (SELECT serie_id FROM nomi JOIN coda_invio ON tabella = 'nomi' AND chiave = nomi.id)");

// Entries whose rows are gone from the file (deleted by the teacher): nothing left to send.
const QString orfane = QStringLiteral(
    "DELETE FROM coda_invio WHERE (tabella = 'serie' AND chiave NOT IN (SELECT id FROM serie))"
    " OR (tabella = 'nomi' AND chiave NOT IN (SELECT id FROM nomi))");

const QString foreignKeyViolation = QStringLiteral("23503");

EsitoInvio guastoDelFile(const QSqlError &errore)
{
    return {dialettoSqlite().guasto(errore), QString(), true};
}

// Runs sql on the local file; false with the file's fault in esito.
bool eseguiNelFile(QSqlQuery &query, const QString &sql, const QVariantList &valori, EsitoInvio &esito)
{
    QSqlError errore;
    if (eseguiIstruzione(query, sql, valori, errore))
        return true;
    esito = guastoDelFile(errore);
    return false;
}

// "INSERT INTO tabella (columns) VALUES (...), (...)" with the server's own literals: one
// statement, one exchange with the server, however many rows.
QString inserimentoRighe(const QSqlDriver &server, const QString &tabella, const QList<QSqlRecord> &righe)
{
    QStringList colonne;
    for (int i = 0; i < righe.front().count(); ++i)
        colonne << righe.front().fieldName(i);
    QStringList valori;
    for (const QSqlRecord &riga : righe) {
        QStringList campi;
        for (int i = 0; i < riga.count(); ++i)
            campi << server.formatValue(riga.field(i));
        valori << QLatin1Char('(') + campi.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
               .arg(tabella, colonne.join(QStringLiteral(", ")), valori.join(QStringLiteral(", ")))
           + dialettoPostgres().suConflitto({}, colonne);
}

} // namespace

InvioServer::InvioServer(Postazione postazione)
    : m_postazione(std::move(postazione))
{
}

InvioServer::~InvioServer()
{
    scollega();
}

EsitoInvio InvioServer::invia(const ConfigurazioneServer &configurazione, Archivio &locale, bool ancheQuestaSessione,
                              const std::function<bool()> &basta)
{
    if (!configurazione.errore.isEmpty()) {
        scollega();
        return {Guasto::configurazione, configurazione.errore};
    }
    EsitoInvio esito{Guasto::nessuno, descrizioneServer(configurazione)};
    if (!collega(configurazione, esito))
        return esito;
    for (const auto &[tabella, coda] : {std::pair(QStringLiteral("serie"), serieInCoda),
                                       std::pair(QStringLiteral("nomi"), nomiInCoda)}) {
        QSqlQuery query(locale.connessione());
        if (!eseguiNelFile(query, coda, {}, esito))
            return esito;
        QStringList chiavi;
        while (query.next())
            chiavi << query.value(0).toString();
        for (const QString &chiave : chiavi) {
            if (basta())
                return esito;
            if (!inviaUna(locale, tabella, chiave, esito))
                return esito;
        }
    }
    const EsitoInvio pulizia = eliminaInviate(locale, ancheQuestaSessione);
    return pulizia.nelFile ? pulizia : esito;
}

bool InvioServer::collega(const ConfigurazioneServer &configurazione, EsitoInvio &esito)
{
    if (configurazione != m_configurazione)
        scollega();
    // A connection kept from the last pass is asked the version of the tables: it may have
    // been cut, or the tables changed, meanwhile.
    if (m_server.isValid()) {
        QSqlQuery query(m_server);
        if (query.exec(dialettoPostgres().leggiVersione) && query.next()
            && query.value(0).toInt() == schema::versioneServer)
            return true;
        query = QSqlQuery();
        scollega();
    }
    m_configurazione = configurazione;
    QString password;
    if (!configurazione.filePassword.isEmpty()) {
        const PasswordLetta letta = leggiPassword(configurazione.filePassword);
        if (letta.guasto != Guasto::nessuno) {
            esito = {letta.guasto, letta.motivo};
            return false;
        }
        password = letta.password;
    }
    ConnessioneServer aperta = apriConnessioneServer(configurazione, configurazione.ruoloAlunni, password);
    if (!aperta.connessione.isValid()) {
        esito = {aperta.guasto, aperta.motivo};
        return false;
    }
    std::swap(m_server, aperta.connessione);
    return true;
}

void InvioServer::scollega()
{
    if (m_server.isValid())
        chiudiConnessioneServer(m_server);
}

bool InvioServer::inviaUna(Archivio &locale, const QString &tabella, const QString &chiave, EsitoInvio &esito)
{
    QStringList inserimenti;
    for (const Parte &parte : parti(tabella)) {
        QSqlQuery query(locale.connessione());
        if (!eseguiNelFile(query, QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(parte.tabella, parte.colonna),
                     {chiave}, esito))
            return false;
        QList<QSqlRecord> righe;
        while (query.next())
            righe << query.record();
        if (!righe.isEmpty())
            inserimenti << inserimentoRighe(*m_server.driver(), parte.tabella, righe);
    }
    // One transaction: the series arrives whole or not at all.
    QSqlError errore;
    const bool inviata = eseguiInTransazione(m_server, [this, &inserimenti, &errore] {
        for (const QString &inserimento : inserimenti) {
            QSqlQuery query(m_server);
            if (!eseguiIstruzione(query, inserimento, {}, errore))
                return false;
        }
        return true;
    }, errore);
    if (!inviata) {
        const Guasto guasto = dialettoPostgres().guasto(errore);
        // A name whose series the teacher has deleted from the server has nowhere to go.
        const bool senzaSerie = tabella == QLatin1String("nomi") && errore.nativeErrorCode() == foreignKeyViolation;
        if (!senzaSerie) {
            const QString dettaglio = errore.databaseText().section(QLatin1Char('\n'), 0, 0);
            if (guasto == Guasto::rifiutata) {
                // That row stays in the queue; the others still go.
                esito = {Guasto::serverErrore,
                         motivoServer(Guasto::serverErrore, m_configurazione, m_configurazione.ruoloAlunni, dettaglio)};
                return true;
            }
            esito = {guasto, motivoServer(guasto, m_configurazione, m_configurazione.ruoloAlunni,
                                          guasto == Guasto::serverPermesso ? dettaglio : QString())};
            scollega();
            return false;
        }
    }
    QSqlQuery query(locale.connessione());
    return eseguiNelFile(query, QStringLiteral("DELETE FROM coda_invio WHERE tabella = ? AND chiave = ?"), {tabella, chiave},
                   esito);
}

EsitoInvio InvioServer::eliminaInviate(Archivio &locale, bool ancheQuestaSessione)
{
    EsitoInvio esito;
    QSqlQuery query(locale.connessione());
    if (!eseguiNelFile(query, orfane, {}, esito) || !eseguiNelFile(query, inviate, {m_postazione.computer}, esito))
        return esito;
    QStringList via;
    while (query.next()) {
        // A series of this program may still be named; one of another program still
        // running too. A number equal to ours belonged to an earlier program or is ours.
        const qint64 processo = query.value(1).toLongLong();
        if (processo == m_postazione.processo ? ancheQuestaSessione : !processoVivo(processo))
            via << query.value(0).toString();
    }
    if (via.isEmpty())
        return esito;
    QSqlDatabase file = locale.connessione();
    QSqlError errore;
    const bool eliminate = eseguiInTransazione(file, [&query, &via, &errore] {
        for (const QString &id : via) {
            if (!eseguiIstruzione(query, QStringLiteral("DELETE FROM serie WHERE id = ?"), {id}, errore))
                return false;
        }
        return true;
    }, errore);
    if (!eliminate)
        return guastoDelFile(errore);
    // The deleted rows, overwritten in the file (secure_delete), leave the journal too; a
    // reader of another program may hold it for now, and the next pass tries again.
    query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return esito;
}
