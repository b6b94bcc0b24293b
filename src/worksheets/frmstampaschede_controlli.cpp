// The controls of FrmStampaSchede: the 60 sheet lines in the upper part, the
// frames of objectives, levels, pupils and teachers in the lower part.

#include "frmstampaschede.h"
#include "scelteschede.h"

#include "frame/aspetto.h"
#include "frame/finestre.h"
#include "frame/pulsanteacapo.h"
#include "frame/pulsanteopzione.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr quint32 rossoScuro = 0x00000080u;
constexpr quint32 rossoTitolo = 0x000000C0u;
constexpr quint32 bluRighe = 0x00800000u;
constexpr quint32 grigio = 0x00C0C0C0u;
constexpr quint32 pesca = 0x00C0E0FFu;

// The sheet: three columns, two blocks of ten rows.
constexpr int sinistraColonne[] = {525, 4260, 7935};
constexpr int altoBloccoSuperiore = 570;
constexpr int altoBloccoInferiore[] = {2880, 3090, 3300, 3510, 3720, 3930, 4140, 4350, 4545, 4770};
constexpr int passoRighe = 210;
constexpr QSize dimensioneRiga{3510, 225};

QRect postoRiga(int indice)
{
    const int n = indice - 1;
    const int colonna = (n % 30) / 10;
    const int riga = n % 10;
    int top = n < 30 ? altoBloccoSuperiore + passoRighe * riga : altoBloccoInferiore[riga];
    if (indice == 46)
        top = 3945;
    return {sinistraColonne[colonna], top, dimensioneRiga.width(), dimensioneRiga.height()};
}

QGroupBox *cornice(QWidget *padre, const QString &titolo, QRect posto)
{
    auto *frame = new QGroupBox(titolo, padre);
    aspetto::impostaFont(frame, QStringLiteral("MS Sans Serif"), 8.25, true);
    aspetto::impostaColoreTesto(frame, rossoScuro);
    aspetto::impostaSfondo(frame, aspetto::giallinoChiaro);
    aspetto::posiziona(frame, posto.left(), posto.top(), posto.width(), posto.height());
    return frame;
}

PulsanteOpzione *opzione(QWidget *padre, const char *testo, int indice, QRect posto)
{
    auto *p = new PulsanteOpzione(QString::fromLatin1(testo), indice, padre);
    aspetto::impostaFont(p, QStringLiteral("Arial"), 12, false);
    aspetto::impostaColoreTesto(p, aspetto::rosso);
    p->impostaColoriFuoco(aspetto::fuocoAcceso, aspetto::fuocoSpento);
    // Objectives and levels act on any mouse button.
    p->impostaOgniTastoMouse(true);
    aspetto::posiziona(p, posto.left(), posto.top(), posto.width(), posto.height());
    return p;
}

QPushButton *comando(QWidget *padre, const QString &testo, QRect posto, double punti, bool grassetto)
{
    auto *p = new PulsanteACapo(testo, padre);
    aspetto::impostaFont(p, QStringLiteral("Arial"), punti, grassetto);
    aspetto::posiziona(p, posto.left(), posto.top(), posto.width(), posto.height());
    return p;
}

} // namespace

void FrmStampaSchede::costruisciScheda()
{
    Label1 = new QLabel(area());
    aspetto::impostaFont(Label1, QStringLiteral("Arial"), 12, true);
    aspetto::impostaColoreTesto(Label1, rossoTitolo);
    aspetto::posiziona(Label1, 90, 0, 11790, 435);

    for (int indice = 1; indice <= 60; ++indice) {
        auto *riga = new QLabel(area());
        aspetto::impostaFont(riga, QStringLiteral("Courier New"), 8.25, false);
        aspetto::impostaColoreTesto(riga, bluRighe);
        aspetto::impostaSfondo(riga, pesca);
        const QRect posto = postoRiga(indice);
        aspetto::posiziona(riga, posto.left(), posto.top(), posto.width(), posto.height());
        LblOp[static_cast<std::size_t>(indice)] = riga;
    }
}

void FrmStampaSchede::costruisciObiettivi()
{
    fraUno = cornice(area(), QStringLiteral("OBIETTIVI "), {2910, 6330, 2505, 1890});
    constexpr int tops[] = {270, 780, 1290};
    for (int indice = 1; indice <= 3; ++indice) {
        const auto i = static_cast<std::size_t>(indice);
        Option1[i] = opzione(fraUno, obiettiviScheda[i - 1].caption, indice, {60, tops[i - 1], 2355, 480});
        connect(Option1[i], &PulsanteOpzione::premuto, this, &FrmStampaSchede::premutoObiettivo);
    }
}

void FrmStampaSchede::costruisciLivelli()
{
    fraLivelli = cornice(area(), QStringLiteral("LIVELLI"), {5490, 5460, 2085, 2730});
    constexpr int tops[] = {330, 855, 1365, 1875};
    for (std::size_t i = 0; i < Option3.size(); ++i) {
        Option3[i] = opzione(fraLivelli, captionLivelliScheda[i], static_cast<int>(i), {60, tops[i], 1920, 510});
        connect(Option3[i], &PulsanteOpzione::premuto, this, &FrmStampaSchede::premutoLivello);
    }
}

void FrmStampaSchede::costruisciPulsanti()
{
    fraAlunni = cornice(area(), QStringLiteral("ALUNNI"), {7620, 5460, 2085, 2730});
    CmdSchedaAlunni = comando(fraAlunni, QStringLiteral("VISUALIZZA SCHEDA ALUNNI"), {60, 330, 1920, 510}, 8.25,
                              false);
    CmdStampaAlunni = comando(fraAlunni, QStringLiteral("STAMPA SCHEDA ALUNNI"), {60, 855, 1920, 510}, 8.25, false);

    fraDocenti = cornice(area(), QStringLiteral("DOCENTI"), {9750, 5460, 2085, 2730});
    CmdSchedaDocenti = comando(fraDocenti, QStringLiteral("VISUALIZZA SCHEDA DOCENTI"), {75, 330, 1920, 510}, 8.25,
                               false);
    CmdStampaDocenti = comando(fraDocenti, QStringLiteral("STAMPA SCHEDA DOCENTI"), {75, 855, 1920, 510}, 8.25,
                               false);

    for (QPushButton *p : {CmdSchedaAlunni, CmdStampaAlunni, CmdSchedaDocenti, CmdStampaDocenti})
        aspetto::impostaSfondo(p, pesca);

    // The two wide buttons lie over the empty lower halves of those frames.
    CmdRicomincia = comando(area(), QStringLiteral("CANCELLA SCHEDA"), {7680, 6945, 4080, 540}, 12, true);
    aspetto::impostaSfondo(CmdRicomincia, grigio);
    Command1 = comando(area(), QStringLiteral("ESCI"), {7680, 7545, 4080, 540}, 12, true);

    fraAlunni->setEnabled(false);
    fraDocenti->setEnabled(false);
    CmdStampaAlunni->hide();
    CmdStampaDocenti->hide();

    connect(CmdSchedaAlunni, &QPushButton::clicked, this, &FrmStampaSchede::visualizzaSchedaAlunni);
    connect(CmdSchedaDocenti, &QPushButton::clicked, this, &FrmStampaSchede::visualizzaSchedaDocenti);
    connect(CmdStampaAlunni, &QPushButton::clicked, this, [this] { stampa(1); });
    connect(CmdStampaDocenti, &QPushButton::clicked, this, [this] { stampa(2); });
    connect(CmdRicomincia, &QPushButton::clicked, this, &FrmStampaSchede::cancellaScheda);
    connect(Command1, &QPushButton::clicked, this, [this] { Finestre::istanza().scarica(nome()); });
    CmdSchedaAlunni->installEventFilter(this);
    CmdSchedaDocenti->installEventFilter(this);
}
