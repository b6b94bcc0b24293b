// The class record with a school lab's server, against the private
// PostgreSQL: the server stopped in the middle of a series and started again,
// each series arriving once and whole, then leaving the local file (and its
// bytes); every fault seen in the state line with the series kept in the file;
// what the pupils' and the teacher's roles may do, decided by the server itself.
#include "letturaregistro.h"
#include "serverprova.h"
#include "unaserie.h"

#include "support/ambienteprova.h"
#include "support/fileprova.h"
#include "support/tabella.h"

#include "record/archivio.h"
#include "record/connessioneserver.h"

#include <QScopeGuard>

namespace {

// The server's rows of tabella as the file writes them: date-times as ISO 8601 text in UTC.
QString comeNelFile(ServerProva &server, const QString &tabella)
{
    QStringList colonne;
    for (const QString &riga : server.righe(QStringLiteral("SELECT column_name, data_type FROM information_schema.columns"
                                                           " WHERE table_name = '%1' ORDER BY ordinal_position")
                                                .arg(tabella))) {
        const QString nome = riga.section(QLatin1Char('|'), 0, 0);
        colonne << (riga.contains(QStringLiteral("timestamp"))
                        ? QStringLiteral("to_char(%1 AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"')").arg(nome)
                        : nome);
    }
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY 1, 2, 3").arg(colonne.join(QStringLiteral(", ")), tabella);
}

// A fault: what the superuser runs first (if anything), the pupils' password written in the
// file (null: the right one) and who else may read it, the lines added to the configuration
// (%1: an empty folder); then the fault and words of the state line.
struct Guaio { const char *nome, *sql, *password; QFileDevice::Permissions altri; const char *configurazione; Guasto guasto; const char *parole; };

const Guaio guai[] = {
    {"wrong password", nullptr, "sbagliata", {}, "", Guasto::serverPassword, "rifiuta la password del ruolo tarvelo_alunni"},
    {"no password anywhere", nullptr, nullptr, {}, "file_password =", Guasto::serverPassword, "che non si trova"},
    {"password file readable by others", nullptr, nullptr, QFileDevice::ReadOther, "", Guasto::filePassword, "chmod 600"},
    {"unreachable: no server at that socket", nullptr, nullptr, {}, "host = %1", Guasto::serverIrraggiungibile,
     "non risponde"},
    {"a role without the right to add",
     "DO $$ BEGIN CREATE ROLE tarvelo_ospite LOGIN PASSWORD 'ospite'; EXCEPTION WHEN duplicate_object THEN NULL; END $$;"
     " GRANT SELECT ON versione_schema TO tarvelo_ospite",
     "ospite", {}, "ruolo_alunni = tarvelo_ospite", Guasto::serverPermesso, "non dà il permesso al ruolo tarvelo_ospite"},
    {"a database that does not exist", nullptr, nullptr, {}, "database = nessuno", Guasto::serverPermesso,
     "non dà il permesso al ruolo tarvelo_alunni"},
    {"tables of a newer program", "UPDATE versione_schema SET versione = 3", nullptr, {}, "", Guasto::serverVersioneNuova,
     "versione più recente di TARVELO e non vi viene scritto nulla"},
    {"no tables", "DROP TABLE versione_schema", nullptr, {}, "", Guasto::serverSenzaTabelle, "tarvelo-server.sql"},
    {"a malformed configuration file", nullptr, nullptr, {}, "prota = 5432", Guasto::configurazione,
     "chiave prota sconosciuta"},
};

// What a role may do, the server deciding: each statement on a series just put there, then
// how many series and names the server holds.
struct Permesso { const char *nome; bool docente; const char *sql; bool accettata; const char *dopo; };

const char *const serieGiaLi =
    "INSERT INTO serie VALUES ('s1', '2026-12-04T08:00:00Z', '2026-12-04T08:05:00Z', 'esco', 'pc-01', 'alunno', 7,"
    " 'TARVELO', 1, 1, 'CALCOLO DEL RISULTATO', 1, 'NUMERO MASSIMO da  1 a 30', 1, 1, 0, 1, NULL, 9)";

constexpr Permesso permessi[] = {
    {"pupils add a series again: nothing happens", false,
     "INSERT INTO serie SELECT 's1', now(), now(), 'esco', 'pc', 'u', 1, 'T', 1, 1, 'O', 1, 'L', 1, 1, 0, 1, NULL, 9"
     " ON CONFLICT DO NOTHING",
     true, "1|0"},
    {"pupils add an operation: its reference checked without reading", false,
     "INSERT INTO operazioni VALUES ('s1', 2, 'riga', 1, 2, 3, 6, 1, 6, 0, 4) ON CONFLICT DO NOTHING", true, "1|0"},
    {"pupils add a name", false, "INSERT INTO nomi VALUES ('n1', 's1', 'anna', now()) ON CONFLICT DO NOTHING", true, "1|1"},
    {"pupils name the key of a conflict: that reads it", false,
     "INSERT INTO nomi VALUES ('n1', 's1', 'anna', now()) ON CONFLICT (id) DO NOTHING", false, "1|0"},
    {"pupils read series", false, "SELECT * FROM serie", false, "1|0"},
    {"pupils count names", false, "SELECT count(*) FROM nomi", false, "1|0"},
    {"pupils change a series", false, "UPDATE serie SET esito = 'completata'", false, "1|0"},
    {"pupils delete series", false, "DELETE FROM serie", false, "1|0"},
    {"pupils delete operations", false, "DELETE FROM operazioni", false, "1|0"},
    {"pupils empty the answers", false, "TRUNCATE risposte", false, "1|0"},
    {"the teacher reads series", true, "SELECT * FROM serie", true, "1|0"},
    {"the teacher names a series", true, "INSERT INTO nomi VALUES ('n2', 's1', 'Anna', now())", true, "1|1"},
    {"the teacher deletes series", true, "DELETE FROM serie", true, "0|0"},
    {"the teacher changes no series", true, "UPDATE serie SET esito = 'completata'", false, "1|0"},
    {"the teacher adds no series", true,
     "INSERT INTO serie SELECT 's2', now(), now(), 'esco', 'pc', 'u', 1, 'T', 1, 1, 'O', 1, 'L', 1, 1, 0, 1, NULL, 9",
     false, "1|0"},
};

} // namespace

class TstRegistroServer final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerProva> m_ruoli; // one database for every row of ruoli
    QTemporaryDir m_vuota;

private slots:
    // No password file of the user's (~/.pgpass) ever reaches the tests.
    void initTestCase()
    {
        if (!ServerProva::disponibile())
            QSKIP(ServerProva::senzaServer);
        qputenv("PGPASSFILE", QFile::encodeName(m_vuota.filePath(QStringLiteral("nessuno"))));
    }
    void cleanupTestCase() { m_ruoli.reset(); }

    // The server stops after two answers: the series' end and a whole second series wait in
    // the file while the state line says so; started again, the server gets both, whole. Sent
    // again with a name, a series changes nothing: the server holds exactly what the file did,
    // every table with the file's columns. At the program's end it all leaves the file, bytes
    // included.
    void serverFermoAMetaSerie()
    {
        ServerProva server;
        AmbienteProva ambiente;
        ambiente.avviaRegistro(QString(), {server.fileConfigurazione()});
        iniziaSerie();
        rispondiGiusto(1);
        rispondiGiusto(2);
        QVERIFY(ambiente.attendiRegistro());
        QVERIFY(ServerProva::pausa());
        auto riavvio = qScopeGuard([] { ServerProva::riprendi(); }); // the later tests need it, even after a failure
        rispondiGiusto(3);
        registroClasse().serieTerminata(modulo2(), FineSerie::completata);
        unaSerie();
        QVERIFY(ambiente.attendiRegistro());
        QCOMPARE(int(registroClasse().stato().guasto), int(Guasto::serverIrraggiungibile));
        QVERIFY(registroClasse().stato().riga.contains(QStringLiteral("Le serie restano salvate su questo computer in ")
                                                       + ambiente.percorsoRegistro()));
        QCOMPARE(LetturaRegistro(ambiente.percorsoRegistro()).righe(QStringLiteral("SELECT count(*) FROM coda_invio")),
                 QStringList{"2"});
        riavvio.dismiss();
        QVERIFY(ServerProva::riprendi());
        QTRY_COMPARE_WITH_TIMEOUT(int(registroClasse().stato().guasto), int(Guasto::nessuno), 20000);
        const QString arrivate = QStringLiteral("SELECT esito, operazioni, (SELECT count(*) FROM risposte WHERE serie_id = id)"
                                                " FROM serie ORDER BY esito");
        QCOMPARE(server.righe(arrivate), QStringList({"completata|3|3", "esco|3|3"}));

        bool riaccodate = false;
        QObject contesto;
        registroClasse().interroga<bool>(
            [](Archivio *a) { return a && a->esegui(QStringLiteral("INSERT INTO coda_invio SELECT 'serie', id FROM serie")); },
            &contesto, [&riaccodate](bool fatto) { riaccodate = fatto; });
        registroClasse().nomeScritto(registroClasse().serieAttuale(), QStringLiteral("Zefirina"));
        QVERIFY(ambiente.attendiRegistro());
        QVERIFY(riaccodate);
        QCOMPARE(registroClasse().stato().riga,
                 QStringLiteral("Registro in ordine: ogni serie è inviata al server del laboratorio (database %1 su %2, "
                                "porta %3) e intanto è salvata in %4.")
                     .arg(server.database(), ServerProva::host(), ServerProva::porta(), ambiente.percorsoRegistro()));
        QCOMPARE(server.righe(arrivate) + server.righe(QStringLiteral("SELECT nome FROM nomi")),
                 QStringList({"completata|3|3", "esco|3|3", "Zefirina"}));
        {
            const LetturaRegistro file(ambiente.percorsoRegistro());
            for (const QString tabella : {"serie", "operazioni", "risposte", "nomi"}) {
                QCOMPARE(server.righe(QStringLiteral("SELECT column_name FROM information_schema.columns"
                                                     " WHERE table_name = '%1' ORDER BY ordinal_position").arg(tabella)),
                         file.righe(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(tabella)));
                QCOMPARE(server.righe(comeNelFile(server, tabella)),
                         file.righe(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3").arg(tabella)));
            }
            QCOMPARE(file.righe(QStringLiteral("SELECT count(*) FROM coda_invio")), QStringList{"0"});
        }
        QVERIFY(registroClasse().chiudi(std::chrono::seconds(10)));
        QCOMPARE(LetturaRegistro(ambiente.percorsoRegistro())
                     .righe(QStringLiteral("SELECT (SELECT count(*) FROM serie) + (SELECT count(*) FROM operazioni)"
                                           " + (SELECT count(*) FROM risposte) + (SELECT count(*) FROM nomi)")),
                 QStringList{"0"});
        for (const QString &parte : {QString(), QStringLiteral("-wal")})
            QVERIFY(!contenuto(ambiente.percorsoRegistro() + parte).contains("Zefirina"));
    }

    // Each fault: the state line says what is wrong and where the series is kept; the series
    // waits in the file, and nothing reached the server.
    void guasti_data() { righeDa(guai); }
    void guasti()
    {
        const Guaio &r = rigaDi(guai);
        ServerProva server;
        if (r.sql)
            server.esegui(QString::fromUtf8(r.sql));
        server.filePassword(QString::fromLatin1(r.password ? r.password : ServerProva::passwordAlunni),
                            QFileDevice::ReadOwner | QFileDevice::WriteOwner | r.altri);
        AmbienteProva ambiente;
        ambiente.avviaRegistro(QString(), {server.fileConfigurazione(QString::fromUtf8(r.configurazione).replace(QStringLiteral("%1"), m_vuota.path()))});
        unaSerie();
        QVERIFY(ambiente.attendiRegistro());
        const StatoRegistro stato = registroClasse().stato();
        QCOMPARE(int(stato.guasto), int(r.guasto));
        QVERIFY2(stato.riga.contains(QString::fromUtf8(r.parole)), qPrintable(stato.riga));
        QVERIFY2(stato.riga.endsWith(QStringLiteral("Le serie restano salvate su questo computer in %1 e saranno inviate"
                                                    " al server appena possibile.").arg(ambiente.percorsoRegistro())),
                 qPrintable(stato.riga));
        QVERIFY(registroClasse().chiudi(std::chrono::seconds(10)));
        QCOMPARE(LetturaRegistro(ambiente.percorsoRegistro())
                     .righe(QStringLiteral("SELECT esito, operazioni, (SELECT count(*) FROM coda_invio) FROM serie")),
                 QStringList{"esco|3|1"});
        if (r.guasto != Guasto::serverSenzaTabelle)
            QCOMPARE(server.righe(QStringLiteral("SELECT count(*) FROM serie")), QStringList{"0"});
    }

    // The pupils' role adds and nothing else; the teacher's reads, names and deletes.
    void ruoli_data() { righeDa(permessi); }
    void ruoli()
    {
        const Permesso &r = rigaDi(permessi);
        if (!m_ruoli)
            m_ruoli = std::make_unique<ServerProva>();
        ServerProva &server = *m_ruoli;
        server.esegui(QStringLiteral("DELETE FROM serie"));
        server.esegui(QString::fromLatin1(serieGiaLi));
        const ConfigurazioneServer c = server.configurazione();
        ConnessioneServer aperta = apriConnessioneServer(
            c, r.docente ? c.ruoloDocente : c.ruoloAlunni,
            QString::fromLatin1(r.docente ? ServerProva::passwordDocente : ServerProva::passwordAlunni));
        QVERIFY2(aperta.connessione.isOpen(), qPrintable(aperta.motivo));
        QSqlError errore;
        {
            QSqlQuery query(aperta.connessione);
            if (!query.exec(QString::fromLatin1(r.sql)))
                errore = query.lastError();
        }
        chiudiConnessioneServer(aperta.connessione);
        QCOMPARE(errore.nativeErrorCode(), QString::fromLatin1(r.accettata ? "" : "42501"));
        QCOMPARE(server.righe(QStringLiteral("SELECT (SELECT count(*) FROM serie) || '|' || (SELECT count(*) FROM nomi)")),
                 QStringList{QString::fromLatin1(r.dopo)});
    }
};

QTEST_MAIN(TstRegistroServer)
#include "tst_registroserver.moc"
