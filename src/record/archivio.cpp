#include "archivio.h"

#include "dialetto.h"
#include "istruzionisql.h"
#include "postazione.h"
#include "schema.h"

#include <QSqlQuery>

namespace {

QVariant testo(const QDateTime &dataOra)
{
    return testoDataOra(dataOra);
}

QVariant testo(const std::optional<QDateTime> &dataOra)
{
    return dataOra ? testo(*dataOra) : QVariant();
}

QVariant testoONullo(const QString &testo)
{
    return testo.isEmpty() ? QVariant() : QVariant(testo);
}

// An empty text stays a text: the driver writes a null QString as NULL.
QVariant testo(const QString &testo)
{
    return testo.isNull() ? QStringLiteral("") : testo;
}

QVariant testo(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces);
}

} // namespace

Archivio::Archivio(const QString &connessione, const Dialetto &dialetto, Postazione postazione)
    : m_db(QSqlDatabase::database(connessione, false))
    , m_dialetto(dialetto)
    , m_postazione(std::move(postazione))
{
}

Archivio::~Archivio()
{
    const QString connessione = m_db.connectionName();
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connessione);
}

Guasto Archivio::guasto() const
{
    return m_dialetto.guasto(m_errore);
}

bool Archivio::esegui(const QString &istruzione)
{
    return esegui(istruzione, {});
}

bool Archivio::esegui(const QString &istruzione, const QVariantList &valori)
{
    QSqlQuery query(m_db);
    return eseguiIstruzione(query, istruzione, valori, m_errore);
}

bool Archivio::inTransazione(const std::function<bool()> &lavoro)
{
    return eseguiInTransazione(m_db, lavoro, m_errore);
}

int Archivio::versione()
{
    QSqlQuery query(m_db);
    if (query.exec(m_dialetto.leggiVersione) && query.next())
        return query.value(0).toInt();
    m_errore = query.lastError();
    return -1;
}

bool Archivio::aggiornaSchema(int daVersione)
{
    for (int versione = daVersione + 1; versione <= schema::versioneCorrente; ++versione) {
        const bool fatto = inTransazione([this, versione] {
            for (const QString &istruzione : schema::passo(versione, m_dialetto)) {
                if (!esegui(istruzione))
                    return false;
            }
            return esegui(m_dialetto.scriviVersione.arg(versione));
        });
        if (!fatto)
            return false;
    }
    return true;
}

bool Archivio::scrivi(const Scrittura &scrittura)
{
    return inTransazione([this, &scrittura] {
        if (scrittura.serie) {
            if (!scriviSerie(*scrittura.serie))
                return false;
            for (const DatiOperazione &operazione : scrittura.operazioni) {
                if (!scriviOperazione(scrittura.serie->id, operazione))
                    return false;
            }
        }
        return !scrittura.nome || scriviNome(*scrittura.nome);
    });
}

bool Archivio::scriviSerie(const DatiSerie &s)
{
    static const QStringList altre{
        QStringLiteral("inizio"),          QStringLiteral("fine"),
        QStringLiteral("esito"),           QStringLiteral("computer"),
        QStringLiteral("utente"),          QStringLiteral("processo"),
        QStringLiteral("programma"),       QStringLiteral("operazione"),
        QStringLiteral("obiettivo"),       QStringLiteral("descrizione_obiettivo"),
        QStringLiteral("livello"),         QStringLiteral("descrizione_livello"),
        QStringLiteral("operazioni"),      QStringLiteral("numero_esatte"),
        QStringLiteral("numero_errate"),   QStringLiteral("risposte_esatte"),
        QStringLiteral("valutazione"),     QStringLiteral("secondi")};
    const QVariantList valori{testo(s.id),
                              testo(s.inizio),
                              testo(s.fine),
                              s.esito ? QVariant(testoFine(*s.esito)) : QVariant(),
                              testo(m_postazione.computer),
                              testo(m_postazione.utente),
                              m_postazione.processo,
                              testo(s.programma),
                              s.operazione,
                              s.obiettivo,
                              testo(s.descrizioneObiettivo),
                              s.livello,
                              testo(s.descrizioneLivello),
                              s.operazioni,
                              s.numeroEsatte,
                              s.numeroErrate,
                              s.risposteEsatte,
                              testoONullo(s.valutazione),
                              s.secondi};
    return esegui(inserimento(m_dialetto, QStringLiteral("serie"), {QStringLiteral("id")}, altre), valori)
           && (!s.fine || accoda(QStringLiteral("serie"), testo(s.id)));
}

bool Archivio::scriviOperazione(const QUuid &serie, const DatiOperazione &o)
{
    static const QStringList chiave{QStringLiteral("serie_id"), QStringLiteral("indice")};
    static const QStringList altre{QStringLiteral("riga"),         QStringLiteral("numero1"),
                                   QStringLiteral("numero2"),      QStringLiteral("numero3"),
                                   QStringLiteral("risultato"),    QStringLiteral("tipo_domanda"),
                                   QStringLiteral("incognita"),    QStringLiteral("intervento"),
                                   QStringLiteral("secondi")};
    const QVariantList valori{testo(serie), o.indice,      testo(o.riga), o.valori[0],
                              o.valori[1],  o.valori[2],   o.valori[3], o.tipoDomanda,
                              o.incognita,  int(o.intervento), o.secondi};
    if (!esegui(inserimento(m_dialetto, QStringLiteral("operazioni"), chiave, altre), valori))
        return false;
    for (const DatiRisposta &risposta : o.risposte) {
        if (!scriviRisposta(serie, o.indice, risposta))
            return false;
    }
    return true;
}

bool Archivio::scriviRisposta(const QUuid &serie, int indice, const DatiRisposta &r)
{
    static const QStringList chiave{QStringLiteral("serie_id"), QStringLiteral("indice"), QStringLiteral("numero")};
    static const QStringList altre{QStringLiteral("testo"), QStringLiteral("esatta"), QStringLiteral("aiuto"),
                                   QStringLiteral("secondi"), QStringLiteral("quando")};
    return esegui(inserimento(m_dialetto, QStringLiteral("risposte"), chiave, altre),
                  {testo(serie), indice, r.numero, testo(r.testo), int(r.esatta), testoONullo(testoAiuto(r.aiuto)),
                   r.secondi, testo(r.quando)});
}

bool Archivio::scriviNome(const DatiNome &n)
{
    static const QStringList altre{QStringLiteral("serie_id"), QStringLiteral("nome"), QStringLiteral("scritto")};
    return esegui(inserimento(m_dialetto, QStringLiteral("nomi"), {QStringLiteral("id")}, altre),
                  {testo(n.id), testo(n.serie), testo(n.nome), testo(n.scritto)})
           && accoda(QStringLiteral("nomi"), testo(n.id));
}

bool Archivio::accoda(const QString &tabella, const QVariant &chiave)
{
    return esegui(inserimento(m_dialetto, QStringLiteral("coda_invio"),
                              {QStringLiteral("tabella"), QStringLiteral("chiave")}, {}),
                  {tabella, chiave});
}

bool Archivio::chiudiInterrotte()
{
    QSqlQuery aperte(m_db);
    if (!eseguiIstruzione(aperte, QStringLiteral("SELECT id, processo FROM serie WHERE fine IS NULL AND computer = ?"),
                          {m_postazione.computer}, m_errore))
        return false;
    QStringList interrotte;
    while (aperte.next()) {
        // A number equal to this program's own belonged to an earlier one that died.
        const qint64 processo = aperte.value(1).toLongLong();
        if (processo == m_postazione.processo || !processoVivo(processo))
            interrotte << aperte.value(0).toString();
    }
    return interrotte.isEmpty() || inTransazione([this, &interrotte] {
        for (const QString &id : interrotte) {
            const bool chiusa =
                esegui(QStringLiteral("UPDATE serie SET esito = ?, fine = COALESCE((SELECT MAX(quando) FROM risposte "
                                      "WHERE risposte.serie_id = serie.id), inizio) WHERE id = ?"),
                       {testoFine(FineSerie::interrotta), id});
            if (!chiusa || !accoda(QStringLiteral("serie"), id))
                return false;
        }
        return true;
    });
}
