// The class record's file through what happens to files: damaged, from a newer
// program, locked, read-only, a folder that cannot be made or written, a full
// disk; a file of every earlier version brought up to date; series left open
// by a program that died, or was killed half-way, closed at the next start.
#include "letturaregistro.h"
#include "senzaprivilegi.h"
#include "unaserie.h"

#include "support/ambienteprova.h"
#include "support/fileprova.h"
#include "support/tabella.h"

#include "record/registroclasse.h"
#include "record/schema.h"

#include <QProcess>
#include <QSysInfo>

#include <QRandomGenerator>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <thread>

namespace {

// Runs the statements on the SQLite file through a connection of the test's own.
void sql(const QString &percorso, const QStringList &istruzioni)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prova"));
        db.setDatabaseName(percorso);
        db.open();
        for (const QString &istruzione : istruzioni)
            righeSql(db, istruzione);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prova"));
}

// What a fault needs while it lasts (its folder made first): another program's lock, lowered
// privileges, a file size limit. Whatever the test ends with, the limit and the lock go with it.
struct Banco final
{
    ~Banco()
    {
        if (limitePrima)
            setrlimit(RLIMIT_FSIZE, &*limitePrima);
        if (cartellePlugin)
            QCoreApplication::setLibraryPaths(*cartellePlugin);
        detentore.reset();
        QSqlDatabase::removeDatabase(QStringLiteral("detentore"));
    }

    QString file;
    QString cartella() const { return QFileInfo(file).absolutePath(); }
    std::optional<SenzaPrivilegi> senzaPrivilegi;
    std::optional<QSqlDatabase> detentore;
    std::optional<rlimit> limitePrima;
    std::optional<QStringList> cartellePlugin;
};

void limitaFile(Banco &b, rlim_t massimo)
{
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    if (!b.limitePrima)
        b.limitePrima = limite;
    limite.rlim_cur = massimo;
    setrlimit(RLIMIT_FSIZE, &limite);
}

// The state while the fault lasts; intatto: the file's bytes are left as they were.
struct Guaio
{
    const char *nome;
    std::function<void(Banco &)> prepara;
    Guasto guasto;
    bool intatto;
    std::function<void(Banco &)> ripara; // null: nothing to mend
};

constexpr QFileDevice::Permissions tutto = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

const Guaio guai[] = {
    // First, before any test has loaded the driver: a driver once loaded stays.
    {"no SQLite driver: nothing touched",
     [](Banco &b) {
         b.cartellePlugin = QCoreApplication::libraryPaths();
         QCoreApplication::setLibraryPaths({});
     },
     Guasto::senzaDriver, true, nullptr},
    {"missing folders are made", [](Banco &b) { QDir(QFileInfo(b.cartella()).absolutePath()).removeRecursively(); },
     Guasto::nessuno, false, nullptr},
    {"not a database: set aside, a new file begun", [](Banco &b) { scriviFile(b.file, QByteArray(5000, 'x')); },
     Guasto::rovinato, false, nullptr},
    {"damaged pages: set aside, a new file begun",
     [](Banco &b) {
         sql(b.file, {QStringLiteral("CREATE TABLE t (x)"), QStringLiteral("INSERT INTO t VALUES (randomblob(9000))")});
         QFile file(b.file);
         file.open(QIODevice::ReadWrite);
         file.seek(100);
         file.write(QByteArray(3000, '\xff'));
     },
     Guasto::rovinato, false, nullptr},
    {"from a newer program: left alone",
     [](Banco &b) {
         sql(b.file, {QStringLiteral("CREATE TABLE futuro (x)"),
                      QStringLiteral("PRAGMA user_version = %1").arg(schema::versioneCorrente + 1)});
     },
     Guasto::versioneNuova, true, nullptr},
    {"locked by another program",
     [](Banco &b) {
         b.detentore = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("detentore"));
         b.detentore->setDatabaseName(b.file);
         b.detentore->open();
         QSqlQuery(*b.detentore).exec(QStringLiteral("BEGIN EXCLUSIVE"));
     },
     Guasto::bloccato, true, [](Banco &b) { QSqlQuery(*b.detentore).exec(QStringLiteral("COMMIT")); }},
    {"read-only file",
     [](Banco &b) {
         sql(b.file, {QStringLiteral("CREATE TABLE t (x)")});
         QFile::setPermissions(b.file, QFileDevice::ReadOwner);
         b.senzaPrivilegi.emplace();
     },
     Guasto::solaLettura, true, [](Banco &b) { QFile::setPermissions(b.file, tutto); }},
    {"a folder that cannot be written",
     [](Banco &b) {
         QFile::setPermissions(b.cartella(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         b.senzaPrivilegi.emplace();
     },
     Guasto::cartella, true, [](Banco &b) { QFile::setPermissions(b.cartella(), tutto); }},
    {"a file where the folder should be",
     [](Banco &b) {
         QDir().rmdir(b.cartella());
         scriviFile(b.cartella(), "non una cartella");
     },
     Guasto::cartella, true, [](Banco &b) { QFile::remove(b.cartella()); }},
    {"a full disk", [](Banco &b) { limitaFile(b, 0); }, Guasto::scrittura, true,
     [](Banco &b) { limitaFile(b, b.limitePrima->rlim_cur); }},
};

// Each earlier version's tables, as the files written by it hold them; from the second on,
// what that version added to the file before.
const QStringList versioni[] = {
    {"CREATE TABLE serie (id TEXT PRIMARY KEY, inizio TEXT NOT NULL, fine TEXT, esito TEXT, computer TEXT NOT NULL,"
     " utente TEXT NOT NULL, processo INTEGER NOT NULL, programma TEXT NOT NULL, operazione INTEGER NOT NULL,"
     " obiettivo INTEGER NOT NULL, descrizione_obiettivo TEXT NOT NULL, livello INTEGER NOT NULL,"
     " descrizione_livello TEXT NOT NULL, operazioni INTEGER NOT NULL, numero_esatte INTEGER NOT NULL,"
     " numero_errate INTEGER NOT NULL, risposte_esatte INTEGER NOT NULL, valutazione TEXT, secondi INTEGER NOT NULL)",
     "CREATE INDEX serie_inizio ON serie (inizio)",
     "CREATE TABLE operazioni (serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE, indice INTEGER NOT NULL,"
     " riga TEXT NOT NULL, numero1 INTEGER NOT NULL, numero2 INTEGER NOT NULL, numero3 INTEGER NOT NULL,"
     " risultato INTEGER NOT NULL, tipo_domanda INTEGER NOT NULL, incognita INTEGER NOT NULL,"
     " intervento INTEGER NOT NULL, secondi INTEGER NOT NULL, PRIMARY KEY (serie_id, indice))",
     "CREATE TABLE risposte (serie_id TEXT NOT NULL, indice INTEGER NOT NULL, numero INTEGER NOT NULL,"
     " testo TEXT NOT NULL, esatta INTEGER NOT NULL, aiuto TEXT, secondi INTEGER NOT NULL, quando TEXT NOT NULL,"
     " PRIMARY KEY (serie_id, indice, numero),"
     " FOREIGN KEY (serie_id, indice) REFERENCES operazioni (serie_id, indice) ON DELETE CASCADE)",
     "PRAGMA user_version = 1"},
    {"CREATE TABLE nomi (id TEXT PRIMARY KEY, serie_id TEXT NOT NULL REFERENCES serie (id) ON DELETE CASCADE,"
     " nome TEXT NOT NULL, scritto TEXT NOT NULL)",
     "CREATE INDEX nomi_serie ON nomi (serie_id, scritto)",
     "CREATE TABLE coda_invio (tabella TEXT NOT NULL, chiave TEXT NOT NULL, PRIMARY KEY (tabella, chiave))",
     "INSERT INTO coda_invio SELECT 'serie', id FROM serie WHERE fine IS NOT NULL",
     "PRAGMA user_version = 2"},
};

// A series begun at 08:00 on 4 December 2026 with one operation answered twice, wrong and
// then right, 7 s after it began; ended at 08:00:30 or left open.
QStringList serieVecchia(int numero, bool finita, const QString &computer, qint64 processo)
{
    const QString id = QStringLiteral("0000000%1-0000-4000-8000-000000000000").arg(numero);
    return {QStringLiteral("INSERT INTO serie VALUES ('%1', '2026-12-04T08:00:00.000Z', %2, '%3', %4,"
                           " 'TARVELO', 1, 1, 'CALCOLO DEL RISULTATO', 1, 'NUMERO MASSIMO da  1 a 30', 1, 1, 1, 1,"
                           " NULL, 10)")
                .arg(id, finita ? QStringLiteral("'2026-12-04T08:00:30.000Z', 'completata'") : QStringLiteral("NULL, NULL"),
                     computer, QStringLiteral("'alunno', %1").arg(processo)),
            QStringLiteral("INSERT INTO operazioni VALUES ('%1', 1, '   7 +   25 +    3 = ...    R.36*  35  ', 7, 25, 3,"
                           " 35, 1, 35, 0, 7)").arg(id),
            QStringLiteral("INSERT INTO risposte VALUES ('%1', 1, 1, '36', 0, 'rifiutato', 3, '2026-12-04T08:00:03.000Z'),"
                           " ('%1', 1, 2, '35', 1, NULL, 7, '2026-12-04T08:00:07.000Z')").arg(id)};
}

} // namespace

class TstFileRegistro final : public QObject
{
    Q_OBJECT

private slots:
    // A size limit stops the writes with an error instead of a signal.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }

    // While the fault lasts the state line says so and the file is left as it was; once it
    // passes, the series kept in memory is in the file. A damaged file is kept aside.
    void guasti_data() { righeDa(guai); }
    void guasti()
    {
        const Guaio &r = rigaDi(guai);
        Banco banco;
        AmbienteProva ambiente;
        banco.file = QFileInfo(ambiente.percorsoRegistro()).dir().filePath(QStringLiteral("a/registro.sqlite"));
        QDir().mkpath(banco.cartella());
        r.prepara(banco);
        const QByteArray prima = contenuto(banco.file);
        ambiente.avviaRegistro(banco.file);
        unaSerie();
        QVERIFY(ambiente.attendiRegistro());
        QCOMPARE(int(registroClasse().stato().guasto), int(r.guasto));
        const QStringList messi = QDir(banco.cartella()).entryList({QStringLiteral("registro-rovinato-*.sqlite")});
        QCOMPARE(messi.size(), r.guasto == Guasto::rovinato ? 1 : 0);
        const QString nominato = r.guasto == Guasto::cartella ? banco.cartella()
                                 : messi.isEmpty()            ? banco.file
                                                              : QDir(banco.cartella()).filePath(messi[0]);
        QVERIFY(registroClasse().stato().riga.contains(QDir::toNativeSeparators(nominato)));
        QCOMPARE(contenuto(messi.isEmpty() ? banco.file : nominato) == prima, r.intatto || !messi.isEmpty());
        if (r.ripara) {
            r.ripara(banco);
            QTRY_VERIFY(registroClasse().stato().guasto == Guasto::nessuno);
            QVERIFY(ambiente.attendiRegistro());
        }
        if (r.guasto != Guasto::versioneNuova && r.guasto != Guasto::senzaDriver) {
            const LetturaRegistro file(banco.file);
            QCOMPARE(file.righe(QStringLiteral("SELECT esito, operazioni, (SELECT group_concat(riga, ';') FROM operazioni)"
                                               " FROM serie")),
                     QStringList{"esco|3|   1 +    1 +    1 = ...    R.3  ;   2 +    1 +    1 = ...    R.4  ;"
                                 "   3 +    1 +    1 = ...    R.5  "});
        }
    }

    // A file of each earlier version gains what came after it: the names, the queue for the
    // server (with the series it had finished in it), the place of the teacher's password. Of
    // the series left open, the one of a program that died is closed at its last answer; the
    // one of a program still running and the one of another computer (the same home on a
    // network) stay open. The file then takes new series.
    void versioniPrecedenti_data()
    {
        QTest::addColumn<int>("versione");
        for (int versione = 1; versione < schema::versioneCorrente; ++versione)
            QTest::addRow("version %d", versione) << versione;
    }
    void versioniPrecedenti()
    {
        QFETCH(int, versione);
        QVERIFY2(versione <= int(std::size(versioni)), "no file of this version to bring up to date");
        AmbienteProva ambiente;
        const QString file = ambiente.percorsoRegistro();
        QDir().mkpath(QFileInfo(file).absolutePath());
        QProcess morto;
        morto.start(QStringLiteral("true"), {});
        QVERIFY(morto.waitForStarted());
        const qint64 processoMorto = morto.processId();
        QVERIFY(morto.waitForFinished());
        const QString qui = QSysInfo::machineHostName();
        QStringList istruzioni = versioni[0] + serieVecchia(1, true, qui, processoMorto) + serieVecchia(2, false, qui, processoMorto)
                                 + serieVecchia(3, false, qui, getppid())
                                 + serieVecchia(4, false, QStringLiteral("un-altro-computer"), processoMorto);
        for (int v = 2; v <= versione; ++v)
            istruzioni += versioni[v - 1];
        sql(file, istruzioni);
        ambiente.avviaRegistro(file);
        unaSerie();
        QVERIFY(ambiente.attendiRegistro());
        QCOMPARE(int(registroClasse().stato().guasto), int(Guasto::nessuno));
        const LetturaRegistro registro(file);
        QCOMPARE(registro.righe(QStringLiteral("PRAGMA user_version")), QStringList{QString::number(schema::versioneCorrente)});
        QCOMPARE(registro.righe(QStringLiteral("SELECT substr(id, 8, 1), esito, fine FROM serie WHERE id LIKE '0000000%'"
                                               " ORDER BY id")),
                 QStringList({"1|completata|2026-12-04T08:00:30.000Z", "2|interrotta|2026-12-04T08:00:07.000Z", "3|-|-",
                              "4|-|-"}));
        QCOMPARE(registro.righe(QStringLiteral("SELECT tabella, substr(chiave, 8, 1) FROM coda_invio ORDER BY chiave")).mid(0, 2),
                 QStringList({"serie|1", "serie|2"}));
        QCOMPARE(registro.righe(QStringLiteral("SELECT count(*), sum(esatta) FROM risposte WHERE serie_id LIKE '0000000%'")),
                 QStringList{"8|4"});
        QCOMPARE(registro.righe(QStringLiteral("SELECT esito, operazioni FROM serie WHERE id NOT LIKE '0000000%'")),
                 QStringList{"esco|3"});
        QCOMPARE(registro.righe(QStringLiteral("SELECT (SELECT count(*) FROM nomi) || (SELECT count(*) FROM password_insegnante)")),
                 QStringList{"00"});
    }

    // A series under way when the program is killed (power cut, task manager) keeps every
    // operation already judged: a helper plays a series on the real exercise window and is
    // killed at a random moment; the next start closes the series as interrupted, at its last
    // answer, with every operation it had written, and queues it for a lab's server.
    void uccisoAMetaSerie()
    {
        AmbienteProva ambiente;
        const QString file = ambiente.percorsoRegistro();
        QRandomGenerator casuale(11);
        for (int giro = 0; giro < 10; ++giro) {
            // The kill falls after 1 to 15 operations written, and up to 3 ms more.
            const int scritte = casuale.bounded(1, 16);
            QProcess serie;
            // The helper's own temporary folders, left behind by the kill, go with the test's.
            QProcessEnvironment ambienteAiutante = QProcessEnvironment::systemEnvironment();
            ambienteAiutante.insert(QStringLiteral("TMPDIR"), ambiente.cartella());
            serie.setProcessEnvironment(ambienteAiutante);
            serie.start(QStringLiteral(AIUTANTE_SERIE), {file});
            QVERIFY(serie.waitForStarted());
            QString id;
            QStringList righe;
            while (righe.size() < scritte) {
                QVERIFY2(serie.canReadLine() || serie.waitForReadyRead(20000), "the helper stopped writing");
                while (serie.canReadLine()) {
                    const QString letta = QString::fromUtf8(serie.readLine()).chopped(1);
                    const QString valore = letta.mid(letta.indexOf(QLatin1Char('|')) + 1);
                    if (letta.startsWith(QStringLiteral("serie|")))
                        id = valore;
                    else
                        righe << valore;
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(casuale.bounded(3001)));
            ::kill(pid_t(serie.processId()), SIGKILL);
            serie.waitForFinished();

            ambiente.avviaRegistro(file);
            QVERIFY(ambiente.attendiRegistro());
            QVERIFY(registroClasse().chiudi(std::chrono::seconds(10)));
            const LetturaRegistro registro(file);
            const QStringList scritta = registro.righe(QStringLiteral(
                "SELECT esito, operazioni, fine = (SELECT max(quando) FROM risposte WHERE serie_id = id),"
                " (SELECT count(*) FROM coda_invio WHERE chiave = id) FROM serie WHERE id = ?"), {id});
            QCOMPARE(scritta.size(), 1);
            const QStringList campi = scritta[0].split(QLatin1Char('|'));
            QCOMPARE(campi[0] + campi[2] + campi[3], QStringLiteral("interrotta11"));
            // Every line printed is in the file as it was; the operation after it may be there too.
            const QStringList inFile = registro.righe(
                QStringLiteral("SELECT riga FROM operazioni WHERE serie_id = ? ORDER BY indice"), {id});
            QCOMPARE(inFile.size(), campi[1].toInt());
            QVERIFY2(inFile.size() == righe.size() || inFile.size() == righe.size() + 1,
                     qPrintable(QStringLiteral("%1 lines printed, %2 in the file").arg(righe.size()).arg(inFile.size())));
            QCOMPARE(inFile.mid(0, righe.size()), righe);
        }
    }
};

QTEST_GUILESS_MAIN(TstFileRegistro)
#include "tst_fileregistro.moc"
