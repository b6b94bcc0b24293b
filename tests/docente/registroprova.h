#pragma once

// A known register for the tests of the teacher's view: six series of two
// named pupils (one name typed two ways) and two unnamed series, on three days
// at three computers, the last day being the test clock's today (05/12/2026).
// Times are UTC; the tests run in Italy's time zone, an hour ahead, with
// Italian short dates.

#include "docente/filtroregistro.h"
#include "record/consultazione.h"
#include "record/dialetto.h"
#include "record/schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <ctime>
#include <vector>

namespace registroprova {

/** Italy's time zone and short dates (LC_TIME) for the rest of the test; false when the
    Italian locale is not installed. */
inline bool inItalia()
{
    qputenv("TZ", "Europe/Rome");
    tzset();
    return std::setlocale(LC_TIME, "it_IT.UTF-8") != nullptr;
}

/** Why a test is skipped without the Italian locale. */
constexpr const char *senzaItaliano = "The locale it_IT.UTF-8 is not installed: scripts/deps.sh test generates it.";

struct Seme
{
    const char *id, *inizio, *computer, *nome;
    int operazione, obiettivo, livello, operazioni, esatte, secondi;
};
constexpr Seme semi[] = {
    {"s1", "2026-12-03T08:30:00.000Z", "aula-1", "Nicolò Rossi", 1, 1, 1, 20, 14, 130},
    {"s2", "2026-12-03T10:00:00.000Z", "aula-2", "Nicolò Rossi", 1, 1, 2, 10, 9, 45},
    {"s3", "2026-12-04T08:05:00.000Z", "aula-1", "Anna Bianchi", 2, 4, 1, 20, 19, 3725},
    {"s4", "2026-12-04T09:00:00.000Z", "aula-2", "", 3, 5, 3, 7, 5, 42},
    {"s5", "2026-12-05T09:30:00.000Z", "aula-1", "nicolò rossi", 1, 1, 2, 20, 18, 100},
    {"s6", "2026-12-05T11:00:00.000Z", "aula-3", "", 2, 2, 4, 12, 6, 200},
};

inline const char *descrizione(int obiettivo)
{
    return obiettivo == 1 ? "CALCOLO DEL RISULTATO" : obiettivo == 2 ? "CALCOLO DEL TERMINE" : "CALCOLO DEL NUMERO";
}

/** The log line of operation i: i + 1 = ?, answered i + 1, or first i + 2 (wrong) then i + 1. */
inline QString riga(int i, bool esatta)
{
    const QString risposte = esatta ? QString::number(i + 1) : QStringLiteral("%1*  %2").arg(i + 2).arg(i + 1);
    return QStringLiteral("  %1 +    1 = ...    R.%2").arg(i, 2).arg(risposte);
}

inline void esegui(QSqlQuery &q, const QString &sql, const QVariantList &valori)
{
    q.prepare(sql);
    for (const QVariant &v : valori)
        q.addBindValue(v);
    if (!q.exec())
        QTest::qFail(qPrintable(sql + ": " + q.lastError().text()), __FILE__, __LINE__);
}

/** Writes the series on db, an open connection to the record file, whose schema the program
    has made (each series then waits for a lab's server), or to a lab's server. Operation i of
    a series with e right answers is answered right at once when i <= e, else wrong with help
    refused, then right; it took i seconds. */
inline void semina(QSqlDatabase db, bool file)
{
    db.transaction();
    QSqlQuery q(db);
    for (const Seme &s : semi) {
        esegui(q, QStringLiteral("INSERT INTO serie VALUES (?, ?, ?, 'completata', ?, 'alunno', 1, 'TARVELO', ?, ?, ?,"
                                 " ?, 'NUMERO MASSIMO da  1 a 30', ?, ?, ?, ?, NULL, ?)"),
               {s.id, s.inizio, s.inizio, s.computer, s.operazione, s.obiettivo, descrizione(s.obiettivo), s.livello,
                s.operazioni, s.esatte, s.operazioni - s.esatte, s.esatte, s.secondi});
        for (int i = 1; i <= s.operazioni; ++i) {
            const bool esatta = i <= s.esatte;
            esegui(q, QStringLiteral("INSERT INTO operazioni VALUES (?, ?, ?, ?, 1, 0, ?, 1, ?, 0, ?)"),
                   {s.id, i, riga(i, esatta), i, i + 1, i + 1, i});
            if (!esatta)
                esegui(q, QStringLiteral("INSERT INTO risposte VALUES (?, ?, 1, ?, 0, 'rifiutato', ?, ?)"),
                       {s.id, i, QString::number(i + 2), i, s.inizio});
            esegui(q, QStringLiteral("INSERT INTO risposte VALUES (?, ?, ?, ?, 1, NULL, ?, ?)"),
                   {s.id, i, esatta ? 1 : 2, QString::number(i + 1), i, s.inizio});
        }
        if (*s.nome)
            esegui(q, QStringLiteral("INSERT INTO nomi VALUES (?, ?, ?, ?)"),
                   {QStringLiteral("n") + s.id, s.id, QString::fromUtf8(s.nome), s.inizio});
        if (file)
            esegui(q, QStringLiteral("INSERT INTO coda_invio VALUES ('serie', ?)"), {s.id});
    }
    db.commit();
}

/** The same into the record file at percorso. */
inline void semina(const QString &percorso)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("semina"));
        db.setDatabaseName(percorso);
        db.open();
        semina(db, true);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("semina"));
}

/** The series as the teacher's view reads them from a record file seeded with them. */
inline std::vector<SerieRegistro> serie()
{
    QTemporaryDir cartella;
    std::optional<std::vector<SerieRegistro>> elenco;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lettura"));
        db.setDatabaseName(cartella.filePath(QStringLiteral("registro")));
        db.open();
        for (int versione = 1; versione <= schema::versioneCorrente; ++versione)
            for (const QString &sql : schema::passo(versione, dialettoSqlite()))
                QSqlQuery(db).exec(sql);
        semina(db, true);
        elenco = Consultazione(db, dialettoSqlite(), true).serie();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lettura"));
    return elenco.value_or(std::vector<SerieRegistro>());
}

} // namespace registroprova
