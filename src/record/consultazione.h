#pragma once

#include "docente/operazioniregistro.h"
#include "docente/serieregistro.h"
#include "record/statoregistro.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>

#include <optional>
#include <vector>

struct Dialetto;

// What the teacher's view reads and changes in the record, on one open
// connection: this computer's file, or a lab's server reached with the
// teacher's role. Written once against the connection's dialect. Used on the
// record's thread only.
class Consultazione final
{
public:
    /** locale: the connection is this computer's record file, which also keeps the queue
        for a lab's server and the teacher's password. */
    Consultazione(QSqlDatabase db, const Dialetto &dialetto, bool locale);

    /** The series, newest first, each with its newest name; with da, only those begun then
        or later. Empty on failure. */
    std::optional<std::vector<SerieRegistro>> serie(const std::optional<QDateTime> &da = std::nullopt);
    /** The operations of the series named, each with its answers in order. */
    std::optional<OperazioniPerSerie> operazioni(const QStringList &serie);
    /** Gives each series the name, as its newest, written at quando; all or none. */
    bool assegnaNome(const QStringList &serie, const QString &nome, const QDateTime &quando);
    /** Deletes the series with their operations, answers and names; all or none. In the
        local file nothing of them stays behind: the freed space is overwritten and the
        journal emptied. */
    bool elimina(const QStringList &serie);

    /** The teacher's password hash kept in the local file; empty when none is set yet. */
    std::optional<QByteArray> hashPassword();
    /** Keeps hash as the teacher's password, unless one is set already. */
    bool impostaHashPassword(const QByteArray &hash);

    /** The fault behind the last failure. */
    Guasto guasto() const;
    /** The server's own words about the last failure; empty for the local file. */
    QString dettaglio() const;
    bool locale() const { return m_locale; }

private:
    bool esegui(QSqlQuery &query, const QString &istruzione, const QVariantList &valori);
    bool inTransazione(const std::function<bool()> &lavoro);

    QSqlDatabase m_db;
    const Dialetto &m_dialetto;
    bool m_locale = false;
    QSqlError m_errore;
};

/** A short Italian reason for guasto, to follow a colon ("il registro è bloccato da un
    altro programma"). */
QString motivoGuasto(Guasto guasto);
