#pragma once

// Reads the class record's file back with a connection of the test's own, as
// the sqlite3 command would: what is in the file, not what the program keeps.

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

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

    // Every row of the query, each as its values joined by "|" (NULL as "-").
    QStringList righe(const QString &sql, const QVariantList &valori = {}) const
    {
        QSqlQuery query(QSqlDatabase::database(nome()));
        query.prepare(sql);
        for (const QVariant &valore : valori)
            query.addBindValue(valore);
        if (!query.exec())
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

private:
    static QString nome() { return QStringLiteral("lettura"); }
};
