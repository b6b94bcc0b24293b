#include "dialetto.h"

#include <QSqlError>

namespace {

// SQLite's primary result codes (the low byte of the extended codes Qt reports).
enum CodiceSqlite : int {
    sqliteError = 1,
    sqlitePerm = 3,
    sqliteBusy = 5,
    sqliteLocked = 6,
    sqliteReadOnly = 8,
    sqliteCorrupt = 11,
    sqliteCantOpen = 14,
    sqliteTooBig = 18,
    sqliteConstraint = 19,
    sqliteMismatch = 20,
    sqliteRange = 25,
    sqliteNotADb = 26,
};

Guasto guastoSqlite(const QSqlError &errore)
{
    switch (errore.nativeErrorCode().toInt() & 0xFF) {
    case sqliteBusy:
    case sqliteLocked:
        return Guasto::bloccato;
    case sqlitePerm:
    case sqliteReadOnly:
        return Guasto::solaLettura;
    case sqliteCorrupt:
    case sqliteNotADb:
        return Guasto::rovinato;
    case sqliteCantOpen:
        return Guasto::cartella;
    // The write itself is wrong: trying it again cannot help.
    case sqliteError:
    case sqliteTooBig:
    case sqliteConstraint:
    case sqliteMismatch:
    case sqliteRange:
        return Guasto::rifiutata;
    default: // full disk, input/output error, no memory
        return Guasto::scrittura;
    }
}

// PostgreSQL's error codes (SQLSTATE): the class is the first two characters.
Guasto guastoPostgres(const QSqlError &errore)
{
    const QString codice = errore.nativeErrorCode();
    const QString classe = codice.left(2);
    if (codice == QLatin1String("28P01"))
        return Guasto::serverPassword;
    if (codice == QLatin1String("42501") || classe == QLatin1String("28") || codice == QLatin1String("3D000"))
        return Guasto::serverPermesso;
    if (codice == QLatin1String("42P01") || codice == QLatin1String("42703"))
        return Guasto::serverSenzaTabelle;
    // The row itself is wrong (a key, a value): sending it again cannot help.
    if (classe == QLatin1String("22") || classe == QLatin1String("23"))
        return Guasto::rifiutata;
    // No code is a connection lost; 08 a connection that failed, 57 a server going down,
    // 53 a server out of room or connections: all may pass.
    if (codice.isEmpty() || classe == QLatin1String("08") || classe == QLatin1String("57")
        || classe == QLatin1String("53"))
        return Guasto::serverIrraggiungibile;
    return Guasto::serverErrore;
}

// "ON CONFLICT DO NOTHING" with no columns named: naming the key would need the right to
// read it, which the pupils' role has not.
QString nullaSeEsiste(const QStringList &, const QStringList &)
{
    return QStringLiteral(" ON CONFLICT DO NOTHING");
}

QString aggiornaConNuovi(const QStringList &chiave, const QStringList &altre)
{
    QStringList assegnazioni;
    for (const QString &colonna : altre)
        assegnazioni << colonna + QStringLiteral(" = excluded.") + colonna;
    return QStringLiteral(" ON CONFLICT (%1) DO UPDATE SET %2").arg(chiave.join(QStringLiteral(", ")),
                                                                   assegnazioni.join(QStringLiteral(", ")));
}

} // namespace

const Dialetto &dialettoSqlite()
{
    static const Dialetto dialetto{QStringLiteral("QSQLITE"),
                                   QStringLiteral("TEXT"),
                                   QStringLiteral("PRAGMA user_version"),
                                   QStringLiteral("PRAGMA user_version = %1"),
                                   aggiornaConNuovi,
                                   guastoSqlite};
    return dialetto;
}

const Dialetto &dialettoPostgres()
{
    static const Dialetto dialetto{QStringLiteral("QPSQL"),
                                   QStringLiteral("TIMESTAMPTZ"),
                                   QStringLiteral("SELECT versione FROM versione_schema"),
                                   QStringLiteral("UPDATE versione_schema SET versione = %1"),
                                   nullaSeEsiste,
                                   guastoPostgres};
    return dialetto;
}

QString inserimento(const Dialetto &dialetto, const QString &tabella, const QStringList &chiave,
                    const QStringList &altre)
{
    const QStringList colonne = chiave + altre;
    QStringList segnaposti;
    for (qsizetype i = 0; i < colonne.size(); ++i)
        segnaposti << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
               .arg(tabella, colonne.join(QStringLiteral(", ")), segnaposti.join(QStringLiteral(", ")))
           + (altre.isEmpty() ? QStringLiteral(" ON CONFLICT DO NOTHING") : dialetto.suConflitto(chiave, altre));
}
