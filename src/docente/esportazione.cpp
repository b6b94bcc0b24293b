#include "esportazione.h"

#include "frame/filecsv.h"

QString csvRegistro(const std::vector<SerieRegistro> &serie, const OperazioniPerSerie *operazioni)
{
    QStringList intestazioni = intestazioniRegistro();
    if (operazioni)
        intestazioni << QStringLiteral("N. operazione") << QStringLiteral("Riga dell'operazione")
                     << QStringLiteral("Risposte date") << QStringLiteral("Secondi dell'operazione");
    QString testo = rigaCsv(intestazioni);
    for (const SerieRegistro &s : serie) {
        const QStringList riga = rigaRegistro(s);
        if (!operazioni) {
            testo += rigaCsv(riga);
            continue;
        }
        const auto trovate = operazioni->find(s.id);
        if (trovate == operazioni->end() || trovate->second.empty()) {
            testo += rigaCsv(riga + QStringList{QString(), QString(), QString(), QString()});
            continue;
        }
        for (const OperazioneRegistro &o : trovate->second)
            testo += rigaCsv(riga + rigaOperazione(o));
    }
    return testo;
}
