#include "stampaesercizi.h"

#include "frame/modulo2.h"
#include "frame/orologio.h"
#include "frame/servizi.h"
#include "frame/stampante.h"

#include <algorithm>

namespace {

constexpr int margineSinistro = 1000;
constexpr int altezzaIntestazione = 1000;
constexpr int inizioCorpo = 2000;
constexpr int righePerEsercizio = 10;
constexpr std::array<int, 3> altezzeTotali{13000, 13500, 14000};

QString titoloEsercizio(int numero)
{
    return QStringLiteral("Esercizio n.") + QString::number(numero);
}

QString rigaTotale(int numero, const QString &tempo)
{
    return QStringLiteral("Eser. n.") + QString::number(numero) + QStringLiteral(": Tempo tot. ") + tempo
           + QStringLiteral(" secondi");
}

void stampaCorpo(Stampante &stampante, const QStringList &righe)
{
    for (int i = 0; i < righe.size(); ++i) {
        // A heading opens each block of ten lines, after an empty line.
        if (i % righePerEsercizio == 0) {
            stampante.stampa(QString());
            stampante.posizionaX(margineSinistro);
            stampante.stampa(titoloEsercizio(i / righePerEsercizio + 1));
        }
        stampante.posizionaX(margineSinistro);
        stampante.stampa(righe.at(i));
    }
}

void stampaTotali(Stampante &stampante, const std::array<QString, 3> &tempi)
{
    for (int k = 0; k < 3; ++k) {
        stampante.stampa(QString());
        stampante.posiziona(margineSinistro, altezzeTotali.at(k));
        stampante.stampa(rigaTotale(k + 1, tempi.at(k)));
    }
}

} // namespace

Resoconto resocontoDaModulo2(const Modulo2 &m, const QDate &oggi)
{
    Resoconto r;
    r.nomeAlunno = m.NomeAlunno;
    r.data = dataBreve(oggi);
    const int ultima = std::min<int>(m.NumeroOperazioni, decltype(m.ElencoOperazioni)::ultimo);
    for (int i = 1; i <= ultima; ++i)
        r.righe.append(m.ElencoOperazioni.valore(i));
    for (int k = 0; k < 3; ++k)
        r.tempi.at(k) = m.TempiEsercizi.valore(k + 1);
    return r;
}

bool StampaIntestazione(Stampante &stampante, const QString &nome, const QString &data)
{
    const QString dataDiStampa = QStringLiteral("    Data di stampa ") + data;
    stampante.posiziona(margineSinistro, altezzaIntestazione);
    stampante.impostaDimensione(16);
    if (stampante.inErrore())
        return false;
    if (nome.isEmpty()) {
        // Two pieces on one line, which is left open.
        stampante.stampa(QStringLiteral("Nome '..................."), false);
        if (stampante.inErrore())
            return false;
        stampante.stampa(dataDiStampa, false);
    } else {
        stampante.stampa(QStringLiteral("Nome ") + nome + dataDiStampa);
    }
    return !stampante.inErrore();
}

EsitoStampa StampaEsercizi(Stampante &stampante, const Resoconto &resoconto)
{
    const QString courier = primoFontCourier(stampante);
    if (courier.isEmpty())
        return EsitoStampa::SenzaCourier;
    stampante.impostaFont(courier);
    // A header that fails is left as it is: the body still matters more.
    StampaIntestazione(stampante, resoconto.nomeAlunno, resoconto.data);
    stampante.impostaDimensione(12);
    stampante.impostaGrassetto(true);
    stampante.posizionaY(inizioCorpo);
    stampaCorpo(stampante, resoconto.righe);
    stampaTotali(stampante, resoconto.tempi);
    return stampante.fineDocumento() ? EsitoStampa::Stampata : EsitoStampa::NonRiuscita;
}

EsitoStampa stampaResoconto()
{
    auto &s = servizi();
    if (modulo2().NumeroOperazioni < resoconto::minimoOperazioni) {
        s.messaggio(resoconto::messaggioPocheOperazioni);
        return EsitoStampa::PocheOperazioni;
    }
    if (!s.creaStampante)
        return EsitoStampa::NonRiuscita;
    const auto stampante = s.creaStampante();
    const EsitoStampa esito = StampaEsercizi(*stampante, resocontoDaModulo2(modulo2(), s.orologio->oggi()));
    if (esito == EsitoStampa::SenzaCourier)
        s.messaggio(resoconto::messaggioSenzaCourier);
    return esito;
}
