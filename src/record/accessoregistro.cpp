#include "accessoregistro.h"

#include "archivio.h"

QString consultaRegistro(Archivio *archivio, const std::function<bool(Consultazione &consultazione)> &lavoro)
{
    if (!archivio)
        return QStringLiteral("il registro non si può aprire");
    Consultazione consultazione(archivio->connessione(), archivio->dialetto(), true);
    if (lavoro(consultazione))
        return QString();
    const QString motivo = motivoGuasto(consultazione.guasto());
    return motivo.isEmpty() ? QStringLiteral("l'operazione non è riuscita") : motivo;
}
