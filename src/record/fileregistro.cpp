#include "fileregistro.h"

#include "dialetto.h"
#include "schema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>

namespace {

// The database and the files SQLite keeps beside it in write-ahead mode, the
// database last: a journal is never left behind to meet a new file.
const QStringList compagni{QStringLiteral("-wal"), QStringLiteral("-shm"), QString()};

QString nuovaConnessione()
{
    static QAtomicInt numero;
    return QStringLiteral("registro-%1").arg(numero.fetchAndAddRelaxed(1));
}

AperturaFile fallita(const Archivio &archivio)
{
    return {nullptr, archivio.guasto()};
}

} // namespace

AperturaFile apriFileRegistro(const ImpostazioniRegistro &impostazioni, const Postazione &postazione)
{
    if (!QDir().mkpath(QFileInfo(impostazioni.percorso).absolutePath()))
        return {nullptr, Guasto::cartella};
    const Dialetto &dialetto = dialettoSqlite();
    const QString nome = nuovaConnessione();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(dialetto.driver, nome);
        db.setDatabaseName(impostazioni.percorso);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(impostazioni.attesaOccupato.count()));
        db.open();
    }
    auto archivio = std::make_unique<Archivio>(nome, dialetto, postazione);
    // A driver that could not be loaded leaves the connection invalid.
    if (!archivio->connessione().isValid())
        return {nullptr, Guasto::senzaDriver};
    if (!archivio->connessione().isOpen())
        return {nullptr, dialetto.guasto(archivio->connessione().lastError())};
    // The version is read before anything is written: a newer file is not touched.
    const int versione = archivio->versione();
    if (versione < 0)
        return fallita(*archivio);
    if (versione > schema::versioneCorrente)
        return {nullptr, Guasto::versioneNuova};
    // Deleted rows are overwritten, not left in the file's free pages: a series deleted by
    // the teacher, or sent to a lab's server, is gone.
    const bool pronto = archivio->esegui(QStringLiteral("PRAGMA foreign_keys = ON"))
                        && archivio->esegui(QStringLiteral("PRAGMA secure_delete = ON"))
                        && archivio->esegui(QStringLiteral("PRAGMA journal_mode = WAL"))
                        && archivio->aggiornaSchema(versione) && archivio->chiudiInterrotte();
    if (!pronto)
        return fallita(*archivio);
    return {std::move(archivio), Guasto::nessuno};
}

QString mettiDaParte(const QString &percorso, const QDateTime &adesso)
{
    const QFileInfo file(percorso);
    const QString base = file.dir().filePath(file.completeBaseName() + QStringLiteral("-rovinato-")
                                             + adesso.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString nuovo = base + QStringLiteral(".sqlite");
    for (int numero = 2; QFileInfo::exists(nuovo); ++numero)
        nuovo = base + QStringLiteral("-%1.sqlite").arg(numero);
    for (const QString &compagno : compagni) {
        if (QFileInfo::exists(percorso + compagno) && !QFile::rename(percorso + compagno, nuovo + compagno))
            return QString();
    }
    return nuovo;
}
