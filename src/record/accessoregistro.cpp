#include "accessoregistro.h"

#include "archivio.h"
#include "connessioneserver.h"
#include "dialetto.h"

namespace {

// A sentence of the server's part ("Il server ... non risponde.") as the reason that follows
// a colon in the teacher's messages.
QString frammento(QString frase)
{
    if (frase.endsWith(QLatin1Char('.')))
        frase.chop(1);
    if (!frase.isEmpty())
        frase[0] = frase[0].toLower();
    return frase;
}

QString riuscito(Consultazione &consultazione, const std::function<bool(Consultazione &)> &lavoro,
                 const std::function<QString(Guasto, const QString &)> &motivo)
{
    if (lavoro(consultazione))
        return QString();
    const QString perche = motivo(consultazione.guasto(), consultazione.dettaglio());
    return perche.isEmpty() ? QStringLiteral("l'operazione non è riuscita") : perche;
}

} // namespace

Consultato consultaRegistro(Archivio *archivio, const AccessoRegistro &accesso,
                            const std::function<bool(Consultazione &consultazione)> &lavoro)
{
    const std::optional<ConfigurazioneServer> server =
        accesso.fileConfigurazione.isEmpty() ? std::nullopt : leggiConfigurazioneServer(accesso.fileConfigurazione);
    if (!server) {
        if (!archivio)
            return {QStringLiteral("il registro non si può aprire"), false};
        Consultazione consultazione(archivio->connessione(), archivio->dialetto(), true);
        return {riuscito(consultazione, lavoro, [](Guasto g, const QString &) { return motivoGuasto(g); }), false};
    }
    if (!server->errore.isEmpty())
        return {frammento(server->errore), true};
    if (accesso.password.isEmpty())
        return {QStringLiteral("il registro del laboratorio si legge con la password dell'insegnante"), true};
    ConnessioneServer connessione = apriConnessioneServer(*server, server->ruoloDocente, accesso.password);
    if (!connessione.connessione.isValid())
        return {frammento(connessione.motivo), true};
    QString motivo;
    {
        Consultazione consultazione(connessione.connessione, dialettoPostgres(), false);
        motivo = riuscito(consultazione, lavoro, [&server](Guasto g, const QString &dettaglio) {
            return frammento(motivoServer(g, *server, server->ruoloDocente, dettaglio));
        });
    }
    chiudiConnessioneServer(connessione.connessione);
    return {motivo, true};
}
