#include "frmesemplicazione.h"

#include "exercise/generatore.h"
#include "exercise/rigaoperazione.h"
#include "frame/aspetto.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "start/filelivelli.h"
#include "start/scelte.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace {

// Four rows of the exercise window's size need a taller window than it.
constexpr QSize designTwips{11910, 11580};
constexpr int primaRiga = 1140;
constexpr int passoRiga = 2400;
constexpr int altezzaRiga = 2370;
constexpr double puntiIntestazione = 18;
constexpr double passoPunti = 0.5;

// A header line keeps its 18 points while a line of its text fits its height;
// on a smaller screen the text shrinks with the line, so the three lines never
// run into one another or into the first row.
void adattaAllAltezza(QLabel *riga)
{
    QFont font = riga->font();
    double punti = puntiIntestazione;
    font.setPointSizeF(punti);
    while (punti > passoPunti && QFontMetrics(font, riga).height() > riga->height()) {
        punti -= passoPunti;
        font.setPointSizeF(punti);
    }
    riga->setFont(font);
}

} // namespace

FrmEsemplicazione::FrmEsemplicazione(QWidget *parent)
    : Finestra(nomi::FrmEsemplicazione, designTwips, parent)
{
    setWindowTitle(QStringLiteral("Esemplicazione"));
    aspetto::impostaSfondo(area(), aspetto::giallinoChiaro);
    costruisciIntestazione();
    for (std::size_t i = 0; i < frmEsempio.size(); ++i) {
        auto *riga = new RigaOperazione(area());
        riga->setObjectName(QStringLiteral("frmEsempio_%1").arg(i));
        aspetto::posiziona(riga, 60, primaRiga + static_cast<int>(i) * passoRiga, 11730, altezzaRiga);
        riga->rendiPremibile();
        connect(riga, &RigaOperazione::premuta, this, [this, i] { MostraRisposta(static_cast<int>(i)); });
        frmEsempio[i] = riga;
    }
    lblAvviso = aspetto::etichettaArial(area(), QString(), 18, true);
    aspetto::impostaColoreTesto(lblAvviso, aspetto::bluScuro);
    lblAvviso->setWordWrap(true);
    lblAvviso->setAlignment(Qt::AlignCenter);
    aspetto::posiziona(lblAvviso, 600, primaRiga, 10710, 4 * passoRiga);
    costruisciPulsanti();
}

void FrmEsemplicazione::costruisciIntestazione()
{
    constexpr std::array<int, 3> alti{45, 405, 765};
    // A little shorter than the exercise window's, so that a pixel parts them at any size.
    constexpr int altezza = 345;
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] = aspetto::rigaIntestazione(area(), alti[i], altezza);
    aspetto::impostaColoreTesto(Label1[2], aspetto::bluScuro);
    Label1[2]->setText(QStringLiteral("Premi un esempio per vedere la risposta"));
}

void FrmEsemplicazione::costruisciPulsanti()
{
    const std::array<QString, 2> testi{QStringLiteral("Altri esempi"), QStringLiteral("Chiudi")};
    const std::array<int, 2> sinistre{2880, 6360};
    for (int i = 0; i < 2; ++i) {
        auto *pulsante = pulsanteComando(testi.at(i), i, 16, area());
        aspetto::posiziona(pulsante, sinistre.at(i), 10800, 2670, 720);
        connect(pulsante, &PulsanteOpzione::premuto, this, &FrmEsemplicazione::premuto);
        optScelta.at(i) = pulsante;
    }
}

void FrmEsemplicazione::alCaricamento()
{
    catturaLayout();
    AltriEsempi();
}

void FrmEsemplicazione::AltriEsempi()
{
    const Modulo2 &m = modulo2();
    m_operazione = m.Operazione;
    m_livello = livelloEsempi(m.Livello);
    Label1[0]->setText(intestazioneOperazione(m_operazione));
    Label1[1]->setText(intestazioneLivello(m_livello));
    m_esempi = disegnaEsempi(m, servizi());
    lblAvviso->setText(avvisoEsempi(m_operazione, nomeFileLivelli(m.NomeProgramma)));
    lblAvviso->setVisible(m_esempi.empty());
    // With no example there is nothing to press or to draw again.
    Label1[2]->setVisible(!m_esempi.empty());
    optScelta[altriEsempi]->setEnabled(!m_esempi.empty());
    for (std::size_t i = 0; i < frmEsempio.size(); ++i) {
        RigaOperazione *riga = frmEsempio[i];
        riga->svuotaCorrezione();
        riga->coloraNumeri();
        const bool disegnato = i < m_esempi.size();
        riga->setVisible(disegnato);
        if (!disegnato)
            continue;
        riga->scriviSegni(segnoOperazione(m_esempi[i].operazione));
        riga->mostra(m_esempi[i].riga);
        // The answer's place waits under the "?", empty until the row is pressed.
        riga->allineaCorrezione(m_esempi[i].riga.tipoDomanda);
    }
}

void FrmEsemplicazione::MostraRisposta(int indice)
{
    if (indice < 0 || indice >= static_cast<int>(m_esempi.size()))
        return;
    const auto i = static_cast<std::size_t>(indice);
    frmEsempio[i]->mostraCorrezione(testoNumero(m_esempi[i].risposta), m_esempi[i].riga.tipoDomanda);
}

void FrmEsemplicazione::premuto(int indice)
{
    if (indice == altriEsempi)
        AltriEsempi();
    else if (indice == chiudi)
        Finestre::istanza().scarica(nome());
}

void FrmEsemplicazione::dopoRiscala()
{
    for (QLabel *riga : Label1)
        adattaAllAltezza(riga);
    // The rescale puts each answer back at its design place: bring it under its "?" again.
    for (std::size_t i = 0; i < m_esempi.size(); ++i)
        frmEsempio[i]->allineaCorrezione(m_esempi[i].riga.tipoDomanda);
}

bool FrmEsemplicazione::event(QEvent *evento)
{
    // The start window may have changed the operation or the level while this
    // window stayed loaded below it.
    if (evento->type() == QEvent::WindowActivate) {
        const Modulo2 &m = modulo2();
        if (m.Operazione != m_operazione || livelloEsempi(m.Livello) != m_livello)
            AltriEsempi();
    }
    return Finestra::event(evento);
}
