#include "paginaandamento.h"

#include "frame/orologio.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

using namespace paginaandamento;

namespace {

constexpr int margine = 1000;
constexpr int altoTitolo = 1000;
constexpr int altoData = 1500;
constexpr int altoTabella = 7900;
constexpr int altezzaRiga = 300;
constexpr int tacche = 5; // intervals on each scale
constexpr int spessoreAssi = 15;
constexpr int spessoreLinee = 40;
constexpr int latoSegno = 60; // half the side of a point's mark
constexpr quint32 nero = 0x00000000u;
constexpr quint32 grigio = 0x00C0C0C0u;
constexpr std::array<int, 6> colonneTabella{1000, 2500, 4000, 5100, 6500, 7800};

void testo(Stampante &s, int x, int y, const QString &t)
{
    s.posiziona(x, y);
    s.stampa(t, false);
}

// A text ending at x.
void testoADestra(Stampante &s, int x, int y, const QString &t)
{
    testo(s, x - static_cast<int>(std::lround(s.larghezzaTesto(t))), y, t);
}

void carattere(Stampante &s, double punti, bool grassetto)
{
    s.impostaFont(QStringLiteral("Arial"));
    s.impostaDimensione(punti);
    s.impostaGrassetto(grassetto);
}

QString numero(double valore)
{
    return QLocale(QLocale::Italian, QLocale::Italy).toString(valore, 'g', 4);
}

int xGiorno(int i, int n)
{
    return sinistra + static_cast<int>(std::lround((i + 0.5) * (destra - sinistra) / std::max(n, 1)));
}

int yQuota(double frazione)
{
    return basso - static_cast<int>(std::lround(std::clamp(frazione, 0.0, 1.0) * (basso - alto)));
}

void scale(Stampante &s, double scala)
{
    carattere(s, 9, false);
    for (int t = 0; t <= tacche; ++t) {
        const int y = yQuota(double(t) / tacche);
        s.disegnaLinea({sinistra, y}, {destra, y}, t == 0 ? nero : grigio, spessoreAssi);
        s.impostaColore(coloreEsatte);
        testoADestra(s, sinistra - 120, y - 110, QString::number(t * 100 / tacche) + QLatin1Char('%'));
        s.impostaColore(coloreSecondi);
        testo(s, destra + 120, y - 110, numero(scala * t / tacche));
    }
    s.disegnaLinea({sinistra, alto}, {sinistra, basso}, nero, spessoreAssi);
    s.disegnaLinea({destra, alto}, {destra, basso}, nero, spessoreAssi);
    carattere(s, 10, true);
    s.impostaColore(coloreEsatte);
    testo(s, sinistra - 800, alto - 500, QStringLiteral("Risposte esatte"));
    s.impostaColore(coloreSecondi);
    testoADestra(s, destra + 800, alto - 500, QStringLiteral("Secondi per operazione"));
}

// The days under the chart, each with its levels; with many days only some are named.
void giorni(Stampante &s, const std::vector<PuntoAndamento> &punti)
{
    const int n = static_cast<int>(punti.size());
    const int passo = (n + 7) / 8;
    carattere(s, 8, false);
    s.impostaColore(nero);
    for (int i = 0; i < n; i += passo) {
        const int x = xGiorno(i, n);
        const QString giorno = dataBreve(punti[std::size_t(i)].giorno);
        const QString livelli = testoLivelli(punti[std::size_t(i)].livelli);
        testo(s, x - static_cast<int>(s.larghezzaTesto(giorno) / 2), basso + 100, giorno);
        testo(s, x - static_cast<int>(s.larghezzaTesto(livelli) / 2), basso + 340, livelli);
    }
}

// The line through the points, each marked: a square for the answers, a cross for the seconds.
void linea(Stampante &s, const std::vector<QPoint> &punti, quint32 colore, bool croce)
{
    for (std::size_t i = 0; i + 1 < punti.size(); ++i)
        s.disegnaLinea(punti[i], punti[i + 1], colore, spessoreLinee);
    for (const QPoint &p : punti) {
        const int l = latoSegno;
        if (croce) {
            s.disegnaLinea(p + QPoint(-l, -l), p + QPoint(l, l), colore, spessoreAssi * 2);
            s.disegnaLinea(p + QPoint(-l, l), p + QPoint(l, -l), colore, spessoreAssi * 2);
        } else {
            const std::array<QPoint, 4> angoli{p + QPoint(-l, -l), p + QPoint(l, -l), p + QPoint(l, l),
                                                p + QPoint(-l, l)};
            for (std::size_t k = 0; k < angoli.size(); ++k)
                s.disegnaLinea(angoli[k], angoli[(k + 1) % angoli.size()], colore, spessoreAssi * 2);
        }
    }
}

void riga(Stampante &s, int y, const QStringList &celle)
{
    for (int c = 0; c < celle.size() && c < int(colonneTabella.size()); ++c)
        testo(s, colonneTabella[std::size_t(c)], y, celle[c]);
}

void tabella(Stampante &s, const std::vector<PuntoAndamento> &punti)
{
    s.impostaColore(nero);
    carattere(s, 10, true);
    riga(s, altoTabella, intestazioniAndamento());
    carattere(s, 10, false);
    const int n = static_cast<int>(punti.size());
    const int primo = std::max(0, n - righeTabella);
    int y = altoTabella;
    for (int i = primo; i < n; ++i) {
        y += altezzaRiga;
        riga(s, y, rigaAndamento(punti[std::size_t(i)]));
    }
    if (primo > 0)
        testo(s, margine, y + 2 * altezzaRiga,
              QStringLiteral("Sono elencati gli ultimi %1 giorni su %2.").arg(righeTabella).arg(n));
}

} // namespace

double scalaSecondi(const std::vector<PuntoAndamento> &punti)
{
    double massimo = 0;
    for (const PuntoAndamento &p : punti)
        massimo = std::max(massimo, p.secondiPerOperazione());
    double scala = 5;
    for (const double passo : {10.0, 20.0, 30.0, 60.0}) {
        if (massimo <= scala)
            return scala;
        scala = passo;
    }
    while (massimo > scala)
        scala *= 2;
    return scala;
}

QPoint puntoEsatte(int i, int n, double quota)
{
    return {xGiorno(i, n), yQuota(quota / 100.0)};
}

QPoint puntoSecondi(int i, int n, double secondi, double scala)
{
    return {xGiorno(i, n), yQuota(secondi / scala)};
}

EsitoStampa StampaAndamento(Stampante &stampante, const PaginaAndamento &pagina)
{
    Stampante &s = stampante;
    carattere(s, 16, true);
    testo(s, margine, altoTitolo, QStringLiteral("Andamento di %1 - %2").arg(pagina.alunno, pagina.operazione));
    carattere(s, 11, false);
    testo(s, margine, altoData, QStringLiteral("Data di stampa ") + pagina.data);
    const double scala = scalaSecondi(pagina.punti);
    scale(s, scala);
    giorni(s, pagina.punti);
    const int n = static_cast<int>(pagina.punti.size());
    std::vector<QPoint> esatte, secondi;
    for (int i = 0; i < n; ++i) {
        const PuntoAndamento &p = pagina.punti[std::size_t(i)];
        esatte.push_back(puntoEsatte(i, n, p.quotaEsatte()));
        secondi.push_back(puntoSecondi(i, n, p.secondiPerOperazione(), scala));
    }
    linea(s, esatte, coloreEsatte, false);
    linea(s, secondi, coloreSecondi, true);
    tabella(s, pagina.punti);
    return s.fineDocumento() && !s.inErrore() ? EsitoStampa::Stampata : EsitoStampa::NonRiuscita;
}
