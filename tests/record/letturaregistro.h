#pragma once

// What the class record wrote, read back with connections of the test's own:
// the file as the sqlite3 command would see it, not what the program keeps.

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

// Runs sql on db, the values bound in order; every row it gives, each as its values joined
// by "|" (NULL as "-"). The test fails when the statement does.
inline QStringList righeSql(const QSqlDatabase &db, const QString &sql, const QVariantList &valori = {})
{
    QSqlQuery query(db);
    if (!valori.isEmpty())
        query.prepare(sql);
    for (const QVariant &valore : valori)
        query.addBindValue(valore);
    if (!(valori.isEmpty() ? query.exec(sql) : query.exec()))
        QTest::qFail(qPrintable(sql + ": " + query.lastError().text()), __FILE__, __LINE__);
    QStringList righe;
    while (query.next()) {
        QStringList campi;
        for (int i = 0; i < query.record().count(); ++i)
            campi << (query.isNull(i) ? QStringLiteral("-") : query.value(i).toString());
        righe << campi.join(QLatin1Char('|'));
    }
    return righe;
}

class LetturaRegistro final
{
public:
    explicit LetturaRegistro(const QString &percorso)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome());
        db.setDatabaseName(percorso);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!QFile::exists(percorso) || !db.open())
            QTest::qFail(qPrintable("cannot read the record " + percorso), __FILE__, __LINE__);
    }
    ~LetturaRegistro() { QSqlDatabase::removeDatabase(nome()); }
    LetturaRegistro(const LetturaRegistro &) = delete;
    LetturaRegistro &operator=(const LetturaRegistro &) = delete;

    QStringList righe(const QString &sql, const QVariantList &valori = {}) const
    {
        return righeSql(QSqlDatabase::database(nome()), sql, valori);
    }

private:
    static QString nome() { return QStringLiteral("lettura"); }
};
