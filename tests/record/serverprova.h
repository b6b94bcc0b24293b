#pragma once

// The private PostgreSQL server that scripts/test.sh starts
// (tests/support/postgresql/server-privato.sh): a database of the test's own
// made with the SQL the school runs, the roles' passwords, the lab's
// configuration file naming it, and the server read back as its superuser.

#include "record/configurazioneserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class ServerProva final
{
public:
    static constexpr const char *senzaServer =
        "no private PostgreSQL server (TARVELO_PG_HOST unset): scripts/test.sh starts one, or "
        "eval \"$(tests/support/postgresql/server-privato.sh start)\"";
    static constexpr const char *passwordAlunni = "alunni-prova";
    static constexpr const char *passwordDocente = "docente-prova";

    static bool disponibile() { return qEnvironmentVariableIsSet("TARVELO_PG_HOST"); }

    ServerProva()
        : m_database(QStringLiteral("prova_%1_%2").arg(QCoreApplication::applicationPid()).arg(++numero()))
    {
        esegui(QStringLiteral("CREATE DATABASE ") + m_database, QStringLiteral("postgres"));
        QProcess psql;
        psql.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                            QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), host(),
                                            QStringLiteral("-p"), porta(), QStringLiteral("-U"), superutente(),
                                            QStringLiteral("-d"), m_database, QStringLiteral("-f"),
                                            QStringLiteral(SQL_SERVER)});
        if (!psql.waitForFinished(30000) || psql.exitCode() != 0)
            QTest::qFail(qPrintable("the shipped SQL failed: " + psql.readAllStandardError()), __FILE__, __LINE__);
        esegui(QStringLiteral("ALTER ROLE tarvelo_alunni PASSWORD '%1'").arg(passwordAlunni));
        esegui(QStringLiteral("ALTER ROLE tarvelo_docente PASSWORD '%1'").arg(passwordDocente));
        filePassword(QString::fromLatin1(passwordAlunni));
    }
    ~ServerProva()
    {
        QSqlDatabase::removeDatabase(m_database);
        QSqlDatabase::removeDatabase(m_database + QStringLiteral("_postgres"));
    }
    ServerProva(const ServerProva &) = delete;
    ServerProva &operator=(const ServerProva &) = delete;

    QString database() const { return m_database; }

    // The lab's configuration: this database, the pupils' password in a file of the owner's.
    ConfigurazioneServer configurazione() const
    {
        ConfigurazioneServer c;
        c.host = host();
        c.porta = porta().toInt();
        c.database = m_database;
        c.filePassword = m_cartella.filePath(QStringLiteral("password"));
        return c;
    }

    // Another password in the file, with these permissions.
    void filePassword(const QString &password,
                      QFileDevice::Permissions permessi = QFileDevice::ReadOwner | QFileDevice::WriteOwner)
    {
        const QString percorso = configurazione().filePassword;
        scriviFile(percorso, password.toUtf8() + '\n');
        QFile::setPermissions(percorso, permessi);
    }

    // A configuration file naming this server, then the lines in piu (a key said again wins).
    QString fileConfigurazione(const QString &inPiu = QString())
    {
        const ConfigurazioneServer c = configurazione();
        const QString percorso = m_cartella.filePath(QStringLiteral("registro.ini"));
        scriviFile(percorso, QStringLiteral("[server]\nhost = %1\nporta = %2\ndatabase = %3\nfile_password = %4\n%5\n")
                                 .arg(c.host)
                                 .arg(c.porta)
                                 .arg(c.database, c.filePassword, inPiu)
                                 .toUtf8());
        return percorso;
    }

    // Runs sql as the superuser in this database (or another).
    void esegui(const QString &sql, const QString &database = QString())
    {
        QSqlQuery query(connessione(database.isEmpty() ? m_database : database));
        if (!query.exec(sql))
            QTest::qFail(qPrintable(sql + ": " + query.lastError().text()), __FILE__, __LINE__);
    }

    // The superuser's connection to this database.
    QSqlDatabase db() { return connessione(m_database); }

    // Every row of the query as its values joined by "|" (NULL as "-").
    QStringList righe(const QString &sql)
    {
        QSqlQuery query(connessione(m_database));
        if (!query.exec(sql))
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

    // The server stopped, its data kept; started again.
    static bool pausa() { return script(QStringLiteral("pause")); }
    static bool riprendi() { return script(QStringLiteral("resume")); }

    static QString host() { return qEnvironmentVariable("TARVELO_PG_HOST"); }
    static QString porta() { return qEnvironmentVariable("TARVELO_PG_PORTA"); }

private:
    static QString superutente() { return qEnvironmentVariable("TARVELO_PG_SUPERUTENTE"); }
    static int &numero()
    {
        static int n = 0;
        return n;
    }
    static bool script(const QString &comando)
    {
        return QProcess::execute(QStringLiteral(SERVER_PRIVATO), {comando, qEnvironmentVariable("TARVELO_PG_PRIVATO")}) == 0;
    }

    // The superuser's connection to database, made once; closed when the server goes down.
    QSqlDatabase connessione(const QString &database)
    {
        const QString nome = database == m_database ? m_database : m_database + QStringLiteral("_") + database;
        QSqlDatabase db = QSqlDatabase::database(nome);
        if (db.isValid() && db.isOpen() && QSqlQuery(db).exec(QStringLiteral("SELECT 1")))
            return db;
        db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
        db.close();
        db.setHostName(host());
        db.setPort(porta().toInt());
        db.setUserName(superutente());
        db.setDatabaseName(database);
        if (!db.open())
            QTest::qFail(qPrintable("cannot reach the private server: " + db.lastError().text()), __FILE__, __LINE__);
        return db;
    }

    static void scriviFile(const QString &percorso, const QByteArray &byte)
    {
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(byte) != byte.size())
            QTest::qFail(qPrintable("cannot write " + percorso), __FILE__, __LINE__);
    }

    QTemporaryDir m_cartella;
    QString m_database;
};
