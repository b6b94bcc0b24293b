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
