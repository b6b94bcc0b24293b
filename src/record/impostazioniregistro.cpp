#include "impostazioniregistro.h"

#include "configurazioneserver.h"

#include <QDir>
#include <QStandardPaths>

ImpostazioniRegistro impostazioniPredefinite()
{
    // The generic data folder, not the application's: the name of the folder does
    // not depend on the name the program was started under.
    const QDir dati(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    ImpostazioniRegistro impostazioni;
    impostazioni.percorso = dati.filePath(QStringLiteral("TARVELO/registro.sqlite"));
    impostazioni.fileConfigurazione = fileConfigurazioneServer();
    return impostazioni;
}
