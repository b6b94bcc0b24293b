#include "configurazioneserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <functional>
#include <map>

namespace {

// Each key of [server], and how its text becomes the configuration's field; false for a
// value that is not good.
using Lettore = std::function<bool(ConfigurazioneServer &c, const QString &valore)>;

bool testoNonVuoto(QString &campo, const QString &valore)
{
    campo = valore;
    return !valore.isEmpty();
}

const std::map<QString, Lettore> &chiavi()
{
    static const std::map<QString, Lettore> lettori{
        {QStringLiteral("host"), [](ConfigurazioneServer &c, const QString &v) { return testoNonVuoto(c.host, v); }},
        {QStringLiteral("porta"),
         [](ConfigurazioneServer &c, const QString &v) {
             bool numero = false;
             c.porta = v.toInt(&numero);
             return numero && c.porta > 0 && c.porta < 65536;
         }},
        {QStringLiteral("database"),
         [](ConfigurazioneServer &c, const QString &v) { return testoNonVuoto(c.database, v); }},
        {QStringLiteral("ruolo_alunni"),
         [](ConfigurazioneServer &c, const QString &v) { return testoNonVuoto(c.ruoloAlunni, v); }},
        {QStringLiteral("file_password"),
         [](ConfigurazioneServer &c, const QString &v) {
             c.filePassword = v;
             return true;
         }},
        {QStringLiteral("ruolo_docente"),
         [](ConfigurazioneServer &c, const QString &v) { return testoNonVuoto(c.ruoloDocente, v); }},
    };
    return lettori;
}

QString nomeFile(const QString &percorso)
{
    return QDir::toNativeSeparators(percorso);
}

// Reads one file's keys over c; false (with c.errore said) when it is not well formed.
bool leggiFile(const QString &percorso, ConfigurazioneServer &c, bool &qualcosa)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        c.errore = QStringLiteral("Il file di configurazione %1 non si può leggere.").arg(nomeFile(percorso));
        return false;
    }
    const auto sbagliata = [&c, &percorso](int numero, const QString &cosa) {
        c.errore = QStringLiteral("Il file di configurazione %1 non è valido (riga %2: %3).")
                       .arg(nomeFile(percorso))
                       .arg(numero)
                       .arg(cosa);
        return false;
    };
    QString sezione;
    const QStringList righe = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < righe.size(); ++i) {
        const QString riga = righe[i].trimmed();
        const int numero = i + 1;
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')) || riga.startsWith(QLatin1Char(';')))
            continue;
        if (riga.startsWith(QLatin1Char('['))) {
            if (!riga.endsWith(QLatin1Char(']')))
                return sbagliata(numero, QStringLiteral("manca la parentesi ]"));
            sezione = riga.mid(1, riga.size() - 2).trimmed();
            if (sezione != QStringLiteral("server"))
                return sbagliata(numero, QStringLiteral("sezione [%1] sconosciuta, c'è solo [server]").arg(sezione));
            continue;
        }
        const qsizetype uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0)
            return sbagliata(numero, QStringLiteral("manca il segno ="));
        if (sezione.isEmpty())
            return sbagliata(numero, QStringLiteral("la chiave viene prima della sezione [server]"));
        const QString chiave = riga.left(uguale).trimmed();
        const auto lettore = chiavi().find(chiave);
        if (lettore == chiavi().end())
            return sbagliata(numero, QStringLiteral("chiave %1 sconosciuta").arg(chiave));
        if (!lettore->second(c, riga.mid(uguale + 1).trimmed()))
            return sbagliata(numero, QStringLiteral("valore di %1 non valido").arg(chiave));
        qualcosa = true;
    }
    return true;
}

} // namespace

bool ConfigurazioneServer::operator==(const ConfigurazioneServer &altra) const
{
    return host == altra.host && porta == altra.porta && database == altra.database
           && ruoloAlunni == altra.ruoloAlunni && filePassword == altra.filePassword
           && ruoloDocente == altra.ruoloDocente && errore == altra.errore;
}

QStringList fileConfigurazioneServer()
{
    const QDir utente(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return {QStringLiteral("/etc/tarvelo/registro.ini"), utente.filePath(QStringLiteral("tarvelo/registro.ini"))};
}

std::optional<ConfigurazioneServer> leggiConfigurazioneServer(const QStringList &file)
{
    ConfigurazioneServer configurazione;
    bool qualcosa = false;
    QStringList letti;
    for (const QString &percorso : file) {
        if (!QFileInfo::exists(percorso))
            continue;
        if (!leggiFile(percorso, configurazione, qualcosa))
            return configurazione;
        letti << nomeFile(percorso);
    }
    if (!qualcosa)
        return std::nullopt;
    if (configurazione.host.isEmpty())
        configurazione.errore = QStringLiteral("La configurazione del server (%1) non dice host, il server del "
                                               "laboratorio.")
                                    .arg(letti.join(QStringLiteral(", ")));
    return configurazione;
}

PasswordLetta leggiPassword(const QString &percorso)
{
    const QString nome = nomeFile(percorso);
    const QFileInfo info(percorso);
    if (!info.isFile())
        return {QString(), Guasto::filePassword, QStringLiteral("Il file della password %1 non esiste.").arg(nome)};
    if (info.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup
                              | QFileDevice::WriteOther)) {
        return {QString(), Guasto::filePassword,
                QStringLiteral("Il file della password %1 è accessibile anche ad altri utenti e non viene usato: "
                               "deve poterlo leggere solo il suo proprietario (chmod 600).")
                    .arg(nome)};
    }
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), Guasto::filePassword, QStringLiteral("Il file della password %1 non si può leggere.").arg(nome)};
    QString password = QString::fromUtf8(file.readLine());
    while (password.endsWith(QLatin1Char('\n')) || password.endsWith(QLatin1Char('\r')))
        password.chop(1);
    if (password.isEmpty())
        return {QString(), Guasto::filePassword, QStringLiteral("Il file della password %1 è vuoto.").arg(nome)};
    return {password, Guasto::nessuno, QString()};
}
