#include "frminizio.h"

#include "filelivelli.h"
#include "scelte.h"

#include "frame/aspetto.h"
#include "frame/chiusura.h"
#include "frame/decorazione.h"
#include "frame/etichetta.h"
#include "frame/finestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "record/registroclasse.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace {

constexpr QSize designTwips{11910, 8340};
constexpr int passoTendineTwips = 75;
constexpr int tendinaApertaTwips = 74;
constexpr quint32 coloreTendine = 0x00FF80FFu;
const char *const testoVersione = "Ver.1.0.3\n\nUtilizza il MOUSE";

PulsanteOpzione *pulsante(QWidget *padre, const QString &testo, int indice, double punti)
{
    auto *p = new PulsanteOpzione(testo, indice, padre);
    aspetto::impostaFont(p, QStringLiteral("Arial"), punti, true);
    aspetto::impostaSfondo(p, aspetto::fuocoSpento);
    aspetto::impostaColoreTesto(p, aspetto::bluScuro);
    // Choices in this window react to the mouse only.
    p->impostaInvioAgisce(false);
    return p;
}

} // namespace

frmInizio::frmInizio(QWidget *parent)
    : Finestra(nomi::frmInizio, designTwips, parent)
{
    aspetto::impostaSfondo(area(), aspetto::giallinoChiaro);
    costruisciTitolo();
    costruisciRiepilogo();
    costruisciObiettivi();
    costruisciLivelli();
    costruisciOperativita();
    Label5 = aspetto::etichettaArial(area(), QStringLiteral("Il nuovo software di Ormido"), 27.75, false);
    aspetto::posiziona(Label5, 270, 7440, 11445, 705);
    costruisciTendine();
    costruisciMenu();

    m_timerTendine.setInterval(5);
    connect(&m_timerTendine, &QTimer::timeout, this, &frmInizio::tickTendine);
}

void frmInizio::costruisciTitolo()
{
    auto *fraTitolo = new QFrame(area());
    aspetto::impostaSfondo(fraTitolo, aspetto::giallinoChiaro);
    aspetto::posiziona(fraTitolo, 90, 0, 11745, 1800);

    auto *Frame5 = new QFrame(fraTitolo);
    aspetto::impostaSfondo(Frame5, aspetto::fuocoSpento);
    aspetto::posiziona(Frame5, 135, 120, 8256, 1500);

    lblNomeOperazione = aspetto::etichettaArial(Frame5, QStringLiteral("OPE"), 48, true);
    aspetto::impostaColoreTesto(lblNomeOperazione, aspetto::bluScuro);
    aspetto::posiziona(lblNomeOperazione, 240, 165, 7755, 945);

    Label6 = aspetto::etichettaArial(Frame5, QStringLiteral(" OPERAZIONI IN  RIGA CON NUMERI INTERI"), 12, true);
    Label6->setAlignment(Qt::AlignCenter);
    aspetto::posiziona(Label6, 0, 1080, 8205, 375);

    lblVersione = aspetto::etichettaArial(fraTitolo, QString(), 12, true);
    lblVersione->setAlignment(Qt::AlignRight | Qt::AlignTop);
    aspetto::posiziona(lblVersione, 8790, 345, 2250, 1005);
}

void frmInizio::costruisciRiepilogo()
{
    auto *Shape1 = new Decorazione(area());
    Shape1->setFrameShape(QFrame::Box);
    aspetto::posiziona(Shape1, 105, 2100, 11385, 990);

    Label7 = aspetto::etichettaArial(area(), QStringLiteral("Le tue scelte"), 12, true);
    aspetto::posiziona(Label7, 540, 2085, 2490, 480);
    Label1 = aspetto::etichettaArial(area(), QStringLiteral("Obiettivo"), 18, true);
    aspetto::posiziona(Label1, 3270, 2130, 7875, 495);
    Label3 = aspetto::etichettaArial(area(), QStringLiteral("Livello"), 18, true);
    aspetto::posiziona(Label3, 3270, 2580, 7875, 495);

    lblCambiaOb = new Etichetta(QStringLiteral("Cambia gli obiettivi"), area());
    aspetto::impostaFont(lblCambiaOb, QStringLiteral("Arial"), 18, true);
    lblCambiaOb->setCursor(Qt::PointingHandCursor);
    aspetto::posiziona(lblCambiaOb, 495, 3165, 3645, 435);
    connect(lblCambiaOb, &Etichetta::cliccata, this, &frmInizio::CambiaObiettivi);
}

void frmInizio::costruisciObiettivi()
{
    Frame1 = aspetto::corniceGialla(area(), QStringLiteral("OBIETTIVI"));
    aspetto::posiziona(Frame1, 450, 3615, 4050, 3645);
    constexpr int righe[] = {300, 1380, 2445};
    for (int i = 0; i < 6; ++i) {
        const int top = righe[i % 3];
        Option1[i] = pulsante(Frame1, QString::fromUtf8(obiettivi[i].caption), i, 11);
        aspetto::posiziona(Option1[i], 90, top, 3585, 1050);
        connect(Option1[i], &PulsanteOpzione::premuto, this, &frmInizio::premutoObiettivo);
        Label9[i] = new Decorazione(Frame1);
        aspetto::posiziona(Label9[i], 3750, top, 240, 960);
        if (i < 3)
            aspetto::impostaSfondo(Label9[i], aspetto::giallinoChiaro);
    }
    // Built last, the second group lies over the first until a group is chosen.
    mostraGruppo(3);
}

void frmInizio::costruisciLivelli()
{
    Frame2 = aspetto::corniceGialla(area(), QStringLiteral("LIVELLI"));
    aspetto::posiziona(Frame2, 4590, 3615, 4050, 3645);
    constexpr int righe[] = {300, 1125, 1965, 2775};
    for (int i = 0; i < 4; ++i) {
        Option2[i] = pulsante(Frame2, QString::fromUtf8(livelli[i].caption), i, 12);
        aspetto::posiziona(Option2[i], 90, righe[i], 3585, 795);
        connect(Option2[i], &PulsanteOpzione::premuto, this, &frmInizio::premutoLivello);
        Label10[i] = new Decorazione(Frame2);
        aspetto::impostaSfondo(Label10[i], aspetto::giallinoChiaro);
        aspetto::posiziona(Label10[i], 3720, righe[i], 240, 795);
    }
}

void frmInizio::costruisciOperativita()
{
    Frame3 = aspetto::corniceGialla(area(), QStringLiteral("OPERATIVITA'"));
    aspetto::posiziona(Frame3, 8745, 3615, 2925, 3660);
    Option3[0] = pulsante(Frame3, QStringLiteral("Avanti"), 0, 20);
    aspetto::posiziona(Option3[0], 90, 285, 2775, 1635);
    // "Esci" lies on the window itself, so it stays usable while Frame3 is disabled.
    Option3[1] = pulsante(area(), QStringLiteral("Esci"), 1, 20);
    aspetto::posiziona(Option3[1], 8850, 5565, 2775, 1575);
    for (PulsanteOpzione *p : Option3) {
        p->impostaColoriFuoco(aspetto::fuocoAcceso, aspetto::fuocoSpento);
        connect(p, &PulsanteOpzione::premuto, this, &frmInizio::premutoOperativita);
    }
}

void frmInizio::costruisciTendine()
{
    // The curtains lie over everything and follow their own animation, not
    // the proportional layout.
    Picture2 = new Decorazione(area());
    Picture1 = new Decorazione(area());
    for (QWidget *tendina : {Picture2, Picture1}) {
        aspetto::impostaSfondo(tendina, coloreTendine);
        tendina->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void frmInizio::costruisciMenu()
{
    mnuSchede = menuBar()->addAction(QStringLiteral("Stampa schede"));
    mnuSchede->setEnabled(false);
    connect(mnuSchede, &QAction::triggered, this, [] { Finestre::istanza().mostra(nomi::FrmStampaSchede); });
    mnuValutazione = menuBar()->addAction(QStringLiteral("Valutazione"));
    connect(mnuValutazione, &QAction::triggered, this,
            [] { Finestre::istanza().mostra(nomi::FrmValutazione); });
    mnuEsempi = menuBar()->addAction(QStringLiteral("Esemplicazione"));
    connect(mnuEsempi, &QAction::triggered, this, [] { Finestre::istanza().mostra(nomi::FrmEsemplicazione); });
}

void frmInizio::alCaricamento()
{
    Modulo2 &m = modulo2();
    m.Operazione = 1;
    ApriTendine();
    catturaLayout();
    Label1->move(Label7->width(), Label1->y());
    Label3->move(Label7->width(), Label3->y());
    m.NomeProgramma = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    setWindowTitle(m.NomeProgramma);
    lblVersione->setText(QString::fromUtf8(testoVersione));
    Label1->setText(QStringLiteral("Obiettivo: "));
    Label3->setText(QStringLiteral("Livello: "));
    Frame2->setEnabled(false);
    Frame3->setEnabled(false);
    leggiLivelli();
    ImpostaObiettivi();
}

void frmInizio::alloScaricamento()
{
    m_timerTendine.stop();
    scriviLivelli();
    // Every way out of the program passes here before the exercise window goes.
    registroClasse().serieTerminata(modulo2(), FineSerie::programmaChiuso);
    ChiudiFinestre();
}

void frmInizio::leggiLivelli()
{
    // The bare name: the file is opened in the current folder whatever bytes
    // that folder's name holds (a Latin-1 name has no Unicode path to go by).
    const LivelliLetti letti = leggiFileLivelli(nomeFileLivelli(modulo2().NomeProgramma));
    if (letti.operazione)
        modulo2().Operazione = *letti.operazione;
    m_gruppoObiettivi = letti.gruppo.value_or(1);
}

void frmInizio::scriviLivelli() const
{
    // A failed write is ignored: the file keeps its last good content.
    scriviFileLivelli(nomeFileLivelli(modulo2().NomeProgramma), modulo2().Operazione, m_gruppoObiettivi);
}

void frmInizio::RipristinaColori()
{
    for (QLabel *box : Label9)
        aspetto::impostaSfondo(box, aspetto::giallinoChiaro);
    for (QLabel *box : Label10)
        aspetto::impostaSfondo(box, aspetto::giallinoChiaro);
    for (PulsanteOpzione *p : Option1)
        aspetto::impostaColoreTesto(p, aspetto::bluScuro);
    for (PulsanteOpzione *p : Option2)
        aspetto::impostaColoreTesto(p, aspetto::bluScuro);
}

void frmInizio::ImpostaObiettivi()
{
    const QString &nome = modulo2().NomeProgramma;
    if (m_gruppoObiettivi == 1 || m_gruppoObiettivi == 2) {
        const int primo = m_gruppoObiettivi == 1 ? 0 : 3;
        lblNomeOperazione->setText(nome + (m_gruppoObiettivi == 1 ? QStringLiteral(".1") : QStringLiteral(".2")));
        Frame1->setTitle(m_gruppoObiettivi == 1 ? QStringLiteral("OBIETTIVI 1") : QStringLiteral("OBIETTIVI 2"));
        mostraGruppo(primo);
    }
    scriviLivelli();
}

void frmInizio::mostraGruppo(int primo)
{
    // The group underneath cannot be seen or clicked: it is hidden, so that
    // neither the keyboard nor assistive technology finds it either.
    for (int i = 0; i < 6; ++i) {
        const bool davanti = i >= primo && i < primo + 3;
        Option1[i]->setVisible(davanti);
        Label9[i]->setVisible(davanti);
        if (davanti) {
            Option1[i]->raise();
            Label9[i]->raise();
        }
    }
}

void frmInizio::CambiaObiettivi()
{
    Label1->setText(QStringLiteral("Obiettivo"));
    Label3->setText(QStringLiteral("Livello"));
    Frame2->setEnabled(false);
    Frame3->setEnabled(false);
    m_gruppoObiettivi = gruppoSeguente(m_gruppoObiettivi);
    ImpostaObiettivi();
}

void frmInizio::premutoObiettivo(int indice)
{
    RipristinaColori();
    Label9[indice]->raise();
    aspetto::impostaSfondo(Label9[indice], aspetto::rosso);
    aspetto::impostaColoreTesto(Option1[indice], aspetto::rosso);
    Label1->setText(scegliObiettivo(modulo2(), indice));
    Frame2->setEnabled(true);
}

void frmInizio::premutoLivello(int indice)
{
    RipristinaColori();
    Label3->setText(scegliLivello(modulo2(), indice));
    Frame3->setEnabled(true);
    aspetto::impostaSfondo(Label10[indice], aspetto::rosso);
    aspetto::impostaColoreTesto(Option2[indice], aspetto::rosso);
}

void frmInizio::premutoOperativita(int indice)
{
    modulo2().NomeAlunno.clear();
    if (indice == 0) {
        scriviLivelli();
        const QString avviso = avvisoOperazione(modulo2().Operazione, nomeFileLivelli(modulo2().NomeProgramma));
        if (avviso.isEmpty())
            Finestre::istanza().mostra(nomi::FrmOperativo);
        else
            servizi().messaggio(avviso);
    } else {
        ChiudiFinestre();
    }
}

void frmInizio::ApriTendine()
{
    m_tendinaTwips = designTwips.width() / 2;
    disponiTendine();
    // The timer starts once the closed curtains are on screen (eventFilter):
    // a tick before the first paint would open a gap the pupil never saw
    // closing, and make the window paint the controls behind it at start-up.
    m_tendineChiuse = true;
    Picture1->installEventFilter(this);
}

bool frmInizio::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == Picture1 && evento->type() == QEvent::Paint && m_tendineChiuse) {
        m_tendineChiuse = false;
        m_timerTendine.start();
    }
    return Finestra::eventFilter(oggetto, evento);
}

bool frmInizio::tendineAperte() const
{
    return !m_tendineChiuse && !m_timerTendine.isActive();
}

void frmInizio::tickTendine()
{
    m_tendinaTwips -= passoTendineTwips;
    if (m_tendinaTwips <= tendinaApertaTwips) {
        m_tendinaTwips = std::max(m_tendinaTwips, 0);
        m_timerTendine.stop();
        mnuSchede->setEnabled(true);
    }
    disponiTendine();
}

void frmInizio::disponiTendine()
{
    // While they move, the curtains cover a share of the window's real width,
    // so they close the same way on any screen.
    const double scala = static_cast<double>(area()->width()) / aspetto::pixelDaTwips(designTwips.width());
    const int larghezza = static_cast<int>(aspetto::pixelDaTwips(m_tendinaTwips) * scala);
    Picture2->setGeometry(0, 0, larghezza, area()->height());
    Picture1->setGeometry(area()->width() - larghezza, 0, larghezza, area()->height());
    Picture2->raise();
    Picture1->raise();
}

void frmInizio::dopoRiscala()
{
    disponiTendine();
}
