#include "consultazione.h"

#include "datiregistro.h"
#include "dialetto.h"
#include "istruzionisql.h"

#include "docente/filtroregistro.h"

#include <QSqlQuery>
#include <QUuid>

namespace {

// Series named in one statement, well under every database's limit of bound values.
constexpr qsizetype perVolta = 500;

QString segnaposti(qsizetype quanti)
{
    QStringList punti;
    for (qsizetype i = 0; i < quanti; ++i)
        punti << QStringLiteral("?");
    return punti.join(QStringLiteral(", "));
}

// The ids in groups of perVolta, each as the values to bind.
std::vector<QVariantList> aGruppi(const QStringList &id)
{
    std::vector<QVariantList> gruppi;
    for (qsizetype i = 0; i < id.size(); i += perVolta) {
        QVariantList gruppo;
        for (const QString &uno : id.mid(i, perVolta))
            gruppo << uno;
        gruppi.push_back(gruppo);
    }
    return gruppi;
}

SerieRegistro serieLetta(const QSqlQuery &q)
{
    SerieRegistro s;
    s.id = q.value(0).toString();
    s.inizio = dataOraLetta(q.value(1)).toLocalTime();
    s.computer = q.value(2).toString();
    s.operazione = q.value(3).toInt();
    s.obiettivo = q.value(4).toInt();
    s.descrizioneObiettivo = q.value(5).toString();
    s.livello = q.value(6).toInt();
    s.operazioni = q.value(7).toInt();
    s.esatte = q.value(8).toInt();
    s.secondi = q.value(9).toLongLong();
    s.alunno = q.value(10).toString();
    s.chiaveAlunno = chiaveRicerca(s.alunno);
    return s;
}

} // namespace

Consultazione::Consultazione(QSqlDatabase db, const Dialetto &dialetto, bool locale)
    : m_db(std::move(db))
    , m_dialetto(dialetto)
    , m_locale(locale)
{
}

Guasto Consultazione::guasto() const
{
    return m_dialetto.guasto(m_errore);
}

QString Consultazione::dettaglio() const
{
    return m_locale ? QString() : m_errore.databaseText().section(QLatin1Char('\n'), 0, 0);
}

bool Consultazione::esegui(QSqlQuery &query, const QString &istruzione, const QVariantList &valori)
{
    query.setForwardOnly(true);
    return eseguiIstruzione(query, istruzione, valori, m_errore);
}

bool Consultazione::inTransazione(const std::function<bool()> &lavoro)
{
    return eseguiInTransazione(m_db, lavoro, m_errore);
}

std::optional<std::vector<SerieRegistro>> Consultazione::serie(const std::optional<QDateTime> &da)
{
    QSqlQuery q(m_db);
    const QString sql = QStringLiteral(
        "SELECT s.id, s.inizio, s.computer, s.operazione, s.obiettivo, s.descrizione_obiettivo, s.livello,"
        " s.operazioni, s.risposte_esatte, s.secondi,"
        " (SELECT n.nome FROM nomi n WHERE n.serie_id = s.id ORDER BY n.scritto DESC LIMIT 1)"
        " FROM serie s %1 ORDER BY s.inizio DESC");
    if (!esegui(q, sql.arg(da ? QStringLiteral("WHERE s.inizio >= ?") : QString()),
                da ? QVariantList{testoDataOra(*da)} : QVariantList{}))
        return std::nullopt;
    std::vector<SerieRegistro> serie;
    while (q.next())
        serie.push_back(serieLetta(q));
    return serie;
}

std::optional<OperazioniPerSerie> Consultazione::operazioni(const QStringList &serie)
{
    OperazioniPerSerie operazioni;
    for (const QVariantList &gruppo : aGruppi(serie)) {
        QSqlQuery q(m_db);
        const QString sql = QStringLiteral(
            "SELECT o.serie_id, o.indice, o.riga, o.secondi, o.intervento, r.testo, r.esatta, r.aiuto"
            " FROM operazioni o LEFT JOIN risposte r ON r.serie_id = o.serie_id AND r.indice = o.indice"
            " WHERE o.serie_id IN (%1) ORDER BY o.serie_id, o.indice, r.numero");
        if (!esegui(q, sql.arg(segnaposti(gruppo.size())), gruppo))
            return std::nullopt;
        while (q.next()) {
            std::vector<OperazioneRegistro> &della = operazioni[q.value(0).toString()];
            const int indice = q.value(1).toInt();
            if (della.empty() || della.back().indice != indice) {
                OperazioneRegistro o;
                o.indice = indice;
                o.riga = q.value(2).toString();
                o.secondi = q.value(3).toLongLong();
                o.intervento = q.value(4).toInt() != 0;
                della.push_back(o);
            }
            if (!q.isNull(5))
                della.back().risposte.push_back({q.value(5).toString(), q.value(6).toInt() != 0, q.value(7).toString()});
        }
    }
    return operazioni;
}

bool Consultazione::assegnaNome(const QStringList &serie, const QString &nome, const QDateTime &quando)
{
    static const QStringList altre{QStringLiteral("serie_id"), QStringLiteral("nome"), QStringLiteral("scritto")};
    const QString inserisciNome = inserimento(m_dialetto, QStringLiteral("nomi"), {QStringLiteral("id")}, altre);
    const QString accoda = inserimento(m_dialetto, QStringLiteral("coda_invio"),
                                       {QStringLiteral("tabella"), QStringLiteral("chiave")}, {});
    return inTransazione([&] {
        for (const QString &id : serie) {
            const QString nuovo = QUuid::createUuid().toString(QUuid::WithoutBraces);
            QSqlQuery q(m_db);
            if (!esegui(q, inserisciNome, {nuovo, id, nome, testoDataOra(quando)}))
                return false;
            // A lab's server gets the name with the next rows this computer sends.
            if (m_locale && !esegui(q, accoda, {QStringLiteral("nomi"), nuovo}))
                return false;
        }
        return true;
    });
}

bool Consultazione::elimina(const QStringList &serie)
{
    const bool eliminate = inTransazione([&] {
        for (const QVariantList &gruppo : aGruppi(serie)) {
            const QString in = segnaposti(gruppo.size());
            QSqlQuery q(m_db);
            // Nothing of theirs is left waiting to be sent to a lab's server.
            if (m_locale
                && (!esegui(q, QStringLiteral("DELETE FROM coda_invio WHERE tabella = 'nomi' AND chiave IN"
                                              " (SELECT id FROM nomi WHERE serie_id IN (%1))").arg(in), gruppo)
                    || !esegui(q, QStringLiteral("DELETE FROM coda_invio WHERE tabella = 'serie' AND chiave IN (%1)")
                                      .arg(in), gruppo)))
                return false;
            // Their operations, answers and names go with them.
            if (!esegui(q, QStringLiteral("DELETE FROM serie WHERE id IN (%1)").arg(in), gruppo))
                return false;
        }
        return true;
    });
    if (!eliminate || !m_locale)
        return eliminate;
    // The pages the series were on go back into the file, already overwritten, and the
    // journal that still held them is emptied.
    QSqlQuery q(m_db);
    return esegui(q, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), {});
}

std::optional<QByteArray> Consultazione::hashPassword()
{
    QSqlQuery q(m_db);
    if (!esegui(q, QStringLiteral("SELECT hash FROM password_insegnante WHERE id = 1"), {}))
        return std::nullopt;
    return q.next() ? q.value(0).toString().toUtf8() : QByteArray();
}

bool Consultazione::impostaHashPassword(const QByteArray &hash)
{
    QSqlQuery q(m_db);
    return esegui(q,
                  inserimento(m_dialetto, QStringLiteral("password_insegnante"),
                              {QStringLiteral("id"), QStringLiteral("hash")}, {}),
                  {1, QString::fromUtf8(hash)});
}

QString motivoGuasto(Guasto guasto)
{
    switch (guasto) {
    case Guasto::nessuno:
        return QString();
    case Guasto::rovinato:
        return QStringLiteral("il registro è rovinato");
    case Guasto::rifiutata:
        return QStringLiteral("il registro ha rifiutato l'operazione");
    case Guasto::bloccato:
        return QStringLiteral("il registro è bloccato da un altro programma");
    case Guasto::solaLettura:
        return QStringLiteral("il registro è di sola lettura");
    case Guasto::scrittura:
        return QStringLiteral("il disco non accetta il registro (forse è pieno)");
    case Guasto::cartella:
        return QStringLiteral("la cartella del registro non si può usare");
    case Guasto::versioneNuova:
        return QStringLiteral("il registro viene da una versione più recente di TARVELO");
    case Guasto::senzaDriver:
        return QStringLiteral("manca il driver del database di Qt");
    // A lab's server's faults are told by the server's own sentences.
    case Guasto::serverIrraggiungibile:
    case Guasto::serverPassword:
    case Guasto::serverPermesso:
    case Guasto::serverVersioneNuova:
    case Guasto::serverSenzaTabelle:
    case Guasto::serverErrore:
    case Guasto::filePassword:
    case Guasto::configurazione:
        break;
    }
    return QString();
}
