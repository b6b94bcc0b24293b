#include "connessioneserver.h"

#include "dialetto.h"
#include "libpq.h"
#include "schema.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <poll.h>

#include <memory>
#include <vector>

namespace {

// Beyond the connection: keepalives and a limit on unacknowledged data, so that a network
// gone in the middle of a write is noticed within about 20 s; a statement waits no longer
// than that for a lock.
const QString opzioni = QStringLiteral("connect_timeout=%1;application_name=TARVELO;keepalives_idle=10;"
                                       "keepalives_interval=5;keepalives_count=2;tcp_user_timeout=20000;"
                                       "options='-c statement_timeout=20000'")
                            .arg(secondiConnessione);

QString nuovaConnessione()
{
    static QAtomicInt numero;
    return QStringLiteral("server-%1").arg(numero.fetchAndAddRelaxed(1));
}

// The connection's parameters as libpq takes them: two lists of texts ending in null.
class ParametriPq final
{
public:
    ParametriPq(const ConfigurazioneServer &c, const QString &ruolo, const QString &password)
    {
        aggiungi("host", c.host);
        aggiungi("port", QString::number(c.porta));
        aggiungi("dbname", c.database);
        aggiungi("user", ruolo);
        if (!password.isEmpty())
            aggiungi("password", password);
        aggiungi("connect_timeout", QString::number(secondiConnessione));
        for (const auto &[chiave, valore] : m_testi) {
            m_chiavi.push_back(chiave);
            m_valori.push_back(valore.constData());
        }
        m_chiavi.push_back(nullptr);
        m_valori.push_back(nullptr);
    }

    const char *const *chiavi() const { return m_chiavi.data(); }
    const char *const *valori() const { return m_valori.data(); }

private:
    void aggiungi(const char *chiave, const QString &valore) { m_testi.emplace_back(chiave, valore.toUtf8()); }

    std::vector<std::pair<const char *, QByteArray>> m_testi;
    std::vector<const char *> m_chiavi;
    std::vector<const char *> m_valori;
};

// libpq's words on one line, without what names the socket or the address.
QString senzaIndirizzo(const QString &parole)
{
    const QString riga = parole.simplified();
    const qsizetype fallita = riga.lastIndexOf(QStringLiteral("failed: "));
    return fallita < 0 ? riga : riga.mid(fallita + 8);
}

// Why the server turned the connection down, asked of libpq itself with the server's
// error code (SQLSTATE) in its words: Qt keeps only the words, which depend on the
// languages of the server and of this computer. The server answered a moment ago; parole
// are Qt's, added for the technician when the server refuses the role.
ConnessioneServer motivoDelRifiuto(const LibPq &pq, const ConfigurazioneServer &c, const QString &ruolo,
                                   const QString &password, const QString &parole)
{
    const ParametriPq parametri(c, ruolo, password);
    const std::unique_ptr<PGconn, decltype(&PQfinish)> prova(
        pq.connectStartParams(parametri.chiavi(), parametri.valori(), 0), pq.finish);
    pq.setErrorVerbosity(prova.get(), PQERRORS_SQLSTATE);
    const QDeadlineTimer scadenza{std::chrono::seconds(secondiConnessione)};
    PostgresPollingStatusType stato = pq.status(prova.get()) == CONNECTION_BAD ? PGRES_POLLING_FAILED
                                                                               : PGRES_POLLING_WRITING;
    while (stato == PGRES_POLLING_READING || stato == PGRES_POLLING_WRITING) {
        pollfd attesa{pq.socket(prova.get()), short(stato == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        if (poll(&attesa, 1, int(scadenza.remainingTime())) <= 0)
            break;
        stato = pq.connectPoll(prova.get());
    }
    if (stato == PGRES_POLLING_OK) // it went up or down meanwhile: try again later
        return {QSqlDatabase(), Guasto::serverIrraggiungibile, motivoServer(Guasto::serverIrraggiungibile, c, ruolo)};
    if (pq.connectionNeedsPassword(prova.get()))
        return {QSqlDatabase(), Guasto::serverPassword,
                QStringLiteral("Il server del laboratorio (%1) chiede la password del ruolo %2, che non si trova "
                               "(né nel file della password né in ~/.pgpass).")
                    .arg(descrizioneServer(c), ruolo)};
    // "FATAL:  28P01": the severity (in the server's language), then the code.
    static const QRegularExpression codice(QStringLiteral(": ([0-9A-Z]{5})$"));
    const QRegularExpressionMatch trovato = codice.match(senzaIndirizzo(QString::fromLocal8Bit(pq.errorMessage(prova.get()))));
    const Guasto guasto = trovato.hasMatch() ? dialettoPostgres().guasto(QSqlError(QString(), QString(),
                                                                                  QSqlError::ConnectionError,
                                                                                  trovato.captured(1)))
                                             : Guasto::serverIrraggiungibile;
    return {QSqlDatabase(), guasto,
            motivoServer(guasto, c, ruolo, guasto == Guasto::serverPermesso ? senzaIndirizzo(parole) : QString())};
}

// What is wrong with the server's tables for this program, and the server's words.
std::pair<Guasto, QString> controllaTabelle(const QSqlDatabase &connessione)
{
    QSqlQuery query(connessione);
    if (!query.exec(dialettoPostgres().leggiVersione) || !query.next()) {
        const Guasto guasto = dialettoPostgres().guasto(query.lastError());
        return {guasto, guasto == Guasto::serverSenzaTabelle
                            ? QString()
                            : query.lastError().databaseText().section(QLatin1Char('\n'), 0, 0)};
    }
    const int versione = query.value(0).toInt();
    if (versione > schema::versioneServer)
        return {Guasto::serverVersioneNuova, QString()};
    return {versione < schema::versioneServer ? Guasto::serverSenzaTabelle : Guasto::nessuno, QString()};
}

} // namespace

ConnessioneServer apriConnessioneServer(const ConfigurazioneServer &c, const QString &ruolo, const QString &password)
{
    const Dialetto &dialetto = dialettoPostgres();
    const LibPq *pq = libPq();
    if (!pq || !QSqlDatabase::isDriverAvailable(dialetto.driver))
        return {QSqlDatabase(), Guasto::senzaDriver,
                QStringLiteral("Manca il driver PostgreSQL di Qt (pacchetto libqt6sql6-psql): il server del "
                               "laboratorio non si può usare.")};
    // A server that does not answer is told from one that turns us down before anything
    // else, waiting at most once.
    const ParametriPq parametri(c, ruolo, password);
    switch (pq->pingParams(parametri.chiavi(), parametri.valori(), 0)) {
    case PQPING_OK:
        break;
    case PQPING_NO_ATTEMPT:
        return {QSqlDatabase(), Guasto::configurazione,
                QStringLiteral("La configurazione del server del laboratorio (%1) non è valida.").arg(descrizioneServer(c))};
    default:
        return {QSqlDatabase(), Guasto::serverIrraggiungibile, motivoServer(Guasto::serverIrraggiungibile, c, ruolo)};
    }
    ConnessioneServer aperta;
    aperta.connessione = QSqlDatabase::addDatabase(dialetto.driver, nuovaConnessione());
    aperta.connessione.setHostName(c.host);
    aperta.connessione.setPort(c.porta);
    aperta.connessione.setDatabaseName(c.database);
    aperta.connessione.setUserName(ruolo);
    aperta.connessione.setPassword(password);
    aperta.connessione.setConnectOptions(opzioni);
    if (aperta.connessione.open()) {
        const auto [guasto, dettaglio] = controllaTabelle(aperta.connessione);
        if (guasto == Guasto::nessuno)
            return aperta;
        chiudiConnessioneServer(aperta.connessione);
        return {QSqlDatabase(), guasto, motivoServer(guasto, c, ruolo, dettaglio)};
    }
    const QString parole = aperta.connessione.lastError().databaseText();
    chiudiConnessioneServer(aperta.connessione);
    return motivoDelRifiuto(*pq, c, ruolo, password, parole);
}

void chiudiConnessioneServer(QSqlDatabase &connessione)
{
    const QString nome = connessione.connectionName();
    connessione.close();
    connessione = QSqlDatabase();
    QSqlDatabase::removeDatabase(nome);
}

QString descrizioneServer(const ConfigurazioneServer &c)
{
    return QStringLiteral("database %1 su %2, porta %3").arg(c.database, c.host).arg(c.porta);
}

QString motivoServer(Guasto guasto, const ConfigurazioneServer &c, const QString &ruolo, const QString &dettaglio)
{
    const QString server = descrizioneServer(c);
    QString frase;
    switch (guasto) {
    case Guasto::serverIrraggiungibile:
        frase = QStringLiteral("Il server del laboratorio (%1) non risponde; controlla che sia acceso e collegato alla "
                               "rete")
                    .arg(server);
        break;
    case Guasto::serverPassword:
        frase = QStringLiteral("Il server del laboratorio (%1) rifiuta la password del ruolo %2").arg(server, ruolo);
        break;
    case Guasto::serverPermesso:
        frase = QStringLiteral("Il server del laboratorio (%1) non dà il permesso al ruolo %2").arg(server, ruolo);
        break;
    case Guasto::serverVersioneNuova:
        frase = QStringLiteral("Il server del laboratorio (%1) ha le tabelle di una versione più recente di TARVELO e "
                               "non vi viene scritto nulla")
                    .arg(server);
        break;
    case Guasto::serverSenzaTabelle:
        frase = QStringLiteral("Il server del laboratorio (%1) non ha le tabelle di questa versione di TARVELO "
                               "(vanno create con tarvelo-server.sql)")
                    .arg(server);
        break;
    default:
        frase = QStringLiteral("Il server del laboratorio (%1) ha rifiutato una serie").arg(server);
        break;
    }
    return frase + (dettaglio.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(dettaglio)) + QLatin1Char('.');
}
