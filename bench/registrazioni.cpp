#include "registrazioni.h"

#include "confronto.h"

#include "record/archivio.h"
#include "record/connessioneserver.h"
#include "record/dialetto.h"
#include "record/fileregistro.h"
#include "record/invioserver.h"
#include "record/postazione.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdlib>
#include <memory>

namespace {

const QString colonneOperazione = QStringLiteral(
    "serie_id TEXT NOT NULL, indice INTEGER NOT NULL, riga TEXT NOT NULL, numero1 INTEGER NOT NULL,"
    " numero2 INTEGER NOT NULL, numero3 INTEGER NOT NULL, risultato INTEGER NOT NULL, tipo_domanda INTEGER NOT NULL,"
    " incognita INTEGER NOT NULL, intervento INTEGER NOT NULL, secondi INTEGER NOT NULL");

void fallito(const QString &cosa)
{
    std::fprintf(stderr, "%s\n", qPrintable(cosa));
    std::exit(1);
}

// A judged answer to operation indice of serie, as the record hands it to its store.
Scrittura risposta(const QUuid &serie, int indice, bool finita = false)
{
    Scrittura s;
    s.serie = DatiSerie{};
    s.serie->id = serie;
    s.serie->inizio = QDateTime::currentDateTimeUtc();
    s.serie->programma = QStringLiteral("TARVELO");
    s.serie->operazione = s.serie->obiettivo = s.serie->livello = 1;
    s.serie->descrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    s.serie->descrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    s.serie->operazioni = s.serie->numeroEsatte = s.serie->risposteEsatte = indice;
    if (finita) {
        s.serie->fine = s.serie->inizio;
        s.serie->esito = FineSerie::completata;
    }
    DatiOperazione o;
    o.indice = indice;
    o.riga = QStringLiteral("  12 +   5 +   3 = ...    R.20  ");
    o.valori = {12, 5, 3, 20};
    o.tipoDomanda = o.incognita = 1;
    o.risposte.push_back({1, QStringLiteral("20"), true, Aiuto::nessuno, 4, s.serie->inizio});
    s.operazioni.push_back(o);
    return s;
}

// The bare insert of one operation's row into "nudo", prepared once.
class InserimentoNudo final
{
public:
    explicit InserimentoNudo(const QSqlDatabase &db)
        : m_query(db)
    {
        m_query.prepare(QStringLiteral("INSERT INTO nudo VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    void operator()()
    {
        for (const QVariant &v : QVariantList{m_serie, ++m_indice, QStringLiteral("  12 +   5 +   3 = ...    R.20  "), 12,
                                              5, 3, 20, 1, 20, 0, 4})
            m_query.addBindValue(v);
        if (!m_query.exec())
            fallito(m_query.lastError().text());
    }

private:
    QSqlQuery m_query;
    QString m_serie = QUuid::createUuid().toString(QUuid::WithoutBraces);
    int m_indice = 0;
};

void giudicate(int volte, const QString &dove, Archivio &archivio, const QSqlDatabase &nudo)
{
    const QUuid serie = QUuid::createUuid();
    InserimentoNudo inserisci(nudo);
    const Coppia tempi = confronta(
        volte,
        [&archivio, &serie, indice = 0]() mutable {
            if (!archivio.scrivi(risposta(serie, ++indice)))
                fallito(QStringLiteral("the record's write failed"));
        },
        [&inserisci] { inserisci(); });
    const QString misura = QStringLiteral("judged answer recorded, %1, against a bare insert").arg(dove);
    riga(misura + QStringLiteral(", median of %1, ms").arg(volte), tempi);
    riga(misura + QStringLiteral(", 99th percentile, ms"), tempi, "", 0.99);
}

// The connection to the server as the pupils' role, taken over by a name.
QString collega(const ConfigurazioneServer &server)
{
    const PasswordLetta password = leggiPassword(server.filePassword);
    ConnessioneServer aperta = apriConnessioneServer(server, server.ruoloAlunni, password.password);
    if (!aperta.connessione.isValid())
        fallito(aperta.motivo);
    return aperta.connessione.connectionName();
}

} // namespace

void registrazioni(int volte, const QString &cartella, const std::optional<ConfigurazioneServer> &server)
{
    const Postazione postazione = questaPostazione();
    ImpostazioniRegistro impostazioni;
    impostazioni.percorso = QDir(cartella).filePath(QStringLiteral("banco.sqlite"));
    AperturaFile file = apriFileRegistro(impostazioni, postazione);
    if (!file.archivio)
        fallito(QStringLiteral("the record's file cannot be opened"));
    {
        QSqlDatabase nudo = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("nudo"));
        nudo.setDatabaseName(QDir(cartella).filePath(QStringLiteral("nudo.sqlite")));
        nudo.open();
        QSqlQuery(nudo).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        QSqlQuery(nudo).exec(QStringLiteral("CREATE TABLE nudo (%1)").arg(colonneOperazione));
        giudicate(volte, QStringLiteral("SQLite"), *file.archivio, nudo);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("nudo"));
    if (!server)
        return;

    const QString nudo = collega(*server);
    {
        Archivio remoto(collega(*server), dialettoPostgres(), postazione);
        giudicate(volte, QStringLiteral("PostgreSQL"), remoto, QSqlDatabase::database(nudo));

        // An ended series of 20 operations, written to the file untimed, sent in one pass;
        // against the 20 rows inserted bare in one transaction.
        InvioServer invio(postazione);
        InserimentoNudo inserisci(QSqlDatabase::database(nudo));
        const Coppia tempi = confronta(
            volte / 10,
            [&] {
                const EsitoInvio esito = invio.invia(*server, *file.archivio, false, [] { return false; });
                if (esito.guasto != Guasto::nessuno)
                    fallito(esito.motivo);
            },
            [&] {
                QSqlDatabase db = QSqlDatabase::database(nudo);
                db.transaction();
                for (int i = 0; i < 20; ++i)
                    inserisci();
                db.commit();
            },
            [&] {
                const QUuid serie = QUuid::createUuid();
                for (int i = 1; i <= 20; ++i)
                    file.archivio->scrivi(risposta(serie, i, i == 20));
            });
        riga(QStringLiteral("ended series of 20 operations sent to PostgreSQL, against 20 bare inserts, median of %1, ms")
                 .arg(volte / 10),
             tempi);
    }
    QSqlDatabase::removeDatabase(nudo);
}
