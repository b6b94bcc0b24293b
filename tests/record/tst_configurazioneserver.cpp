// The lab's configuration as the technician writes it: the system's file and
// the user's, key by key; what a malformed file is told; a password file that
// others may open is refused.
#include "support/fileprova.h"
#include "support/tabella.h"

#include "record/configurazioneserver.h"

#include <QTemporaryDir>

namespace {

// The system's file and the user's (null: no such file), and the configuration read as
// "host|porta|database|ruolo_alunni|file_password|ruolo_docente", "-" for no lab, or what the
// fault line says and the file it names ('s' the system's, 'u' the user's).
struct File { const char *nome, *sistema, *utente, *atteso; char colpa = 0; };

constexpr File file[] = {
    {"no file: no lab", nullptr, nullptr, "-"},
    {"files without keys: no lab", "# nothing yet\n", "[server]\n", "-"},
    {"the system's file, defaults for the rest", "[server]\nhost = 10.0.0.5\n", nullptr,
     "10.0.0.5|5432|tarvelo|tarvelo_alunni||tarvelo_docente"},
    {"every key, comments and blanks",
     "; lab\n[server]\n host=srv \nporta = 6000\ndatabase = scuola\nruolo_alunni = alunni\n"
     "# the password\nfile_password = /etc/tarvelo/pw\nruolo_docente = maestra\n",
     nullptr, "srv|6000|scuola|alunni|/etc/tarvelo/pw|maestra"},
    {"the user's keys override the system's one by one",
     "[server]\nhost = 10.0.0.5\ndatabase = scuola\nfile_password = /etc/tarvelo/pw\n",
     "[server]\nhost = /run/postgresql\nfile_password =\n", "/run/postgresql|5432|scuola|tarvelo_alunni||tarvelo_docente"},
    {"the user's file alone", nullptr, "[server]\nhost = srv\r\nporta = 5433\r\n",
     "srv|5433|tarvelo|tarvelo_alunni||tarvelo_docente"},
    {"no host", "[server]\ndatabase = scuola\n", nullptr, "non dice host", 's'},
    {"a key before [server]", "host = srv\n", nullptr, "riga 1: la chiave viene prima della sezione [server]", 's'},
    {"an unknown section", "[server]\nhost = srv\n[altro]\n", nullptr, "riga 3: sezione [altro] sconosciuta", 's'},
    {"an unknown key in the user's file", "[server]\nhost = srv\n", "[server]\nprota = 5432\n",
     "riga 2: chiave prota sconosciuta", 'u'},
    {"no =", "[server]\nhost srv\n", nullptr, "riga 2: manca il segno =", 's'},
    {"a port that is no number", "[server]\nhost = srv\nporta = cinque\n", nullptr, "riga 3: valore di porta non valido", 's'},
    {"a port out of range", "[server]\nhost = srv\nporta = 70000\n", nullptr, "riga 3: valore di porta non valido", 's'},
    {"an empty role", "[server]\nhost = srv\nruolo_alunni =\n", nullptr, "riga 3: valore di ruolo_alunni non valido", 's'},
    {"a section not closed", "[server\n", nullptr, "riga 1: manca la parentesi ]", 's'},
};

// A password file's content (null: no file) and permissions, and the password read or what the line says.
struct Password { const char *nome, *contenuto; QFileDevice::Permissions permessi; const char *atteso; };

constexpr QFileDevice::Permissions proprietario = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

const Password password[] = {
    {"the owner's alone: its first line", "segreta\r\naltro\n", proprietario, "segreta"},
    {"read-only for the owner", "segreta", QFileDevice::ReadOwner, "segreta"},
    {"readable by everyone: refused", "segreta\n", proprietario | QFileDevice::ReadOther, "chmod 600"},
    {"readable by the group: refused", "segreta\n", proprietario | QFileDevice::ReadGroup, "chmod 600"},
    {"writable by the group: refused", "segreta\n", proprietario | QFileDevice::WriteGroup, "chmod 600"},
    {"empty", "\n", proprietario, "è vuoto"},
    {"missing", nullptr, proprietario, "non esiste"},
};

} // namespace

class TstConfigurazioneServer final : public QObject
{
    Q_OBJECT

private slots:
    // Where the files are: the system's first, then the user's under $XDG_CONFIG_HOME.
    void fileDelSistemaPoiDellUtente()
    {
        QTemporaryDir casa;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa.path()));
        QCOMPARE(fileConfigurazioneServer(),
                 QStringList({"/etc/tarvelo/registro.ini", casa.filePath(QStringLiteral("tarvelo/registro.ini"))}));
    }

    void lettura_data() { righeDa(file); }
    void lettura()
    {
        const File &r = rigaDi(file);
        QTemporaryDir cartella;
        const QString sistema = cartella.filePath(QStringLiteral("sistema.ini"));
        const QString utente = cartella.filePath(QStringLiteral("utente.ini"));
        if (r.sistema)
            scriviFile(sistema, r.sistema);
        if (r.utente)
            scriviFile(utente, r.utente);
        const std::optional<ConfigurazioneServer> c = leggiConfigurazioneServer({sistema, utente});
        const QString atteso = QString::fromUtf8(r.atteso);
        if (!c) {
            QCOMPARE(QStringLiteral("-"), atteso);
        } else if (!c->errore.isEmpty()) {
            QVERIFY2(c->errore.contains(atteso), qPrintable(c->errore));
            QVERIFY2(c->errore.contains(r.colpa == 's' ? sistema : utente), qPrintable(c->errore));
            QVERIFY(r.colpa);
        } else {
            QCOMPARE(QStringLiteral("%1|%2|%3|%4|%5|%6")
                         .arg(c->host)
                         .arg(c->porta)
                         .arg(c->database, c->ruoloAlunni, c->filePassword, c->ruoloDocente),
                     atteso);
        }
    }

    void filePassword_data() { righeDa(password); }
    void filePassword()
    {
        const Password &r = rigaDi(password);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("password"));
        if (r.contenuto) {
            scriviFile(percorso, r.contenuto);
            QVERIFY(QFile::setPermissions(percorso, r.permessi));
        }
        const PasswordLetta letta = leggiPassword(percorso);
        const QString atteso = QString::fromUtf8(r.atteso);
        if (letta.guasto == Guasto::nessuno) {
            QCOMPARE(letta.password, atteso);
        } else {
            QCOMPARE(int(letta.guasto), int(Guasto::filePassword));
            QVERIFY2(letta.motivo.contains(atteso) && letta.motivo.contains(percorso), qPrintable(letta.motivo));
            QVERIFY(letta.password.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TstConfigurazioneServer)
#include "tst_configurazioneserver.moc"
