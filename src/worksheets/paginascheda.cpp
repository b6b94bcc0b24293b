#include "paginascheda.h"

#include "frame/stampante.h"

namespace {
constexpr int righeScheda = 60;
constexpr int righePerGruppo = 10;
constexpr int righePerColonna = 30;
constexpr int colonne[] = {1000, 6000};
constexpr int gruppi[] = {2000, 6500, 11000};
constexpr int passoRiga = 400;

constexpr int margineScheda = 1000;
constexpr int altezzaNome = 1000;
constexpr int altezzaObiettivo = 1500;
constexpr int altezzaPiede = 15100;
} // namespace

QPoint posizioneRigaStampata(int indice)
{
    if (indice < 1 || indice > righeScheda)
        return {};
    const int n = indice - 1;
    const int colonna = n / righePerColonna;
    const int gruppo = (n % righePerColonna) / righePerGruppo;
    const int riga = n % righePerGruppo;
    return {colonne[colonna], gruppi[gruppo] + passoRiga * riga};
}

double dimensioneRighe(Modulo2::int16 tipoScheda)
{
    return tipoScheda == 1 ? 12 : 10;
}

void StampaIntestazione(Stampante &stampante, const Modulo2 &stato)
{
    stampante.impostaFont(QStringLiteral("Courier"));
    stampante.posiziona(margineScheda, altezzaNome);
    stampante.impostaDimensione(14);
    stampante.stampa(QStringLiteral("Cognome e nome: "));
    stampante.posiziona(margineScheda, altezzaObiettivo);
    stampante.impostaDimensione(12);
    stampante.stampa(stato.DescrizioneObiettivo);
}

EsitoStampa StampaScheda(Stampante &stampante, const Modulo2 &stato)
{
    const QString courier = primoFontCourier(stampante);
    if (courier.isEmpty())
        return EsitoStampa::SenzaCourier;
    stampante.impostaFont(courier);
    StampaIntestazione(stampante, stato);

    stampante.impostaDimensione(dimensioneRighe(stato.TipoScheda));
    for (int indice = 1; indice <= righeScheda && !stampante.inErrore(); ++indice) {
        const QString riga = stato.ElencoOperazioni.valore(indice);
        if (riga.isEmpty())
            continue;
        const QPoint punto = posizioneRigaStampata(indice);
        stampante.posiziona(punto.x(), punto.y());
        stampante.stampa(riga);
    }
    if (stampante.inErrore())
        return EsitoStampa::NonRiuscita;

    stampante.impostaDimensione(8);
    stampante.posiziona(margineScheda, altezzaPiede);
    stampante.stampa(stato.DescrizioneObiettivo);
    if (stampante.inErrore() || !stampante.fineDocumento())
        return EsitoStampa::NonRiuscita;
    return EsitoStampa::Stampata;
}
