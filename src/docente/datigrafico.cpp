#include "datigrafico.h"

#include "docente/paginaandamento.h"
#include "frame/orologio.h"

DatiGrafico datiGrafico(const std::vector<PuntoAndamento> &punti)
{
    DatiGrafico dati;
    dati.esatte = {QStringLiteral("Risposte esatte (%)"), paginaandamento::coloreEsatte, 100, {}};
    dati.secondi = {QStringLiteral("Secondi per operazione"), paginaandamento::coloreSecondi, scalaSecondi(punti), {}};
    for (std::size_t i = 0; i < punti.size(); ++i) {
        const PuntoAndamento &p = punti[i];
        const auto x = static_cast<double>(i);
        dati.giorni.append(dataBreve(p.giorno) + QLatin1Char('\n') + testoLivelli(p.livelli));
        dati.esatte.punti.append({x, p.quotaEsatte()});
        dati.secondi.punti.append({x, p.secondiPerOperazione()});
    }
    return dati;
}
