#include "frmoperativo.h"

#include "exercise/generatore.h"
#include "exercise/pannellostatistiche.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/risposta.h"
#include "exercise/serie.h"
#include "exercise/tastierino.h"
#include "frame/annuncio.h"
#include "frame/aspetto.h"
#include "frame/decorazione.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "record/registroclasse.h"
#include "start/frminizio.h"
#include "start/registroserie.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>

namespace {

constexpr QSize designTwips{11910, 8640};
constexpr quint32 testoSistema = 0x00000000u;

// Stampa and Ricomincia on the end-of-series notice.
enum SceltaAvviso : int { stampa = 0, ricomincia = 1 };
// SI and NO on the help question.
enum SceltaAiuto : int { si = 0, no = 1 };

RiquadroScelta::Disegno disegnoAiuto()
{
    return {QStringLiteral("fraAiuto"),
            QStringLiteral("Ti aiuto ?"),
            {QStringLiteral("SI"), QStringLiteral("NO")},
            {1065, 300, 2385, 585},
            {QRect{780, 1320, 3120, 945}, QRect{780, 2295, 3120, 945}}};
}

RiquadroScelta::Disegno disegnoAvviso()
{
    return {QStringLiteral("fraAvviso"),
            QStringLiteral("Se ricominci gli esercizi andranno persi"),
            {QStringLiteral("Stampa"), QStringLiteral("Ricomincia")},
            {75, 225, 3780, 870},
            {QRect{780, 1260, 3330, 840}, QRect{780, 2130, 3330, 840}}};
}

} // namespace

FrmOperativo::FrmOperativo(QWidget *parent)
    : Finestra(nomi::FrmOperativo, designTwips, parent)
{
    setWindowTitle(QStringLiteral("ESERCIZI SULLE VEVIDUVIV.1"));
    aspetto::impostaSfondo(area(), aspetto::giallinoChiaro);

    constexpr std::array<int, 3> altiIntestazione{390, 45, 750};
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i] = aspetto::rigaIntestazione(area(), altiIntestazione[i]);

    frmNumero = new RigaOperazione(area());
    aspetto::posiziona(frmNumero, 60, 1410, 11730, 2745);

    LblEsito = new QLabel(area());
    aspetto::posiziona(LblEsito, 420, 4155, 5400, 1515);
    aspetto::impostaFont(LblEsito, QStringLiteral("Arial"), 72, true);
    aspetto::impostaColoreTesto(LblEsito, aspetto::bluScuro);
    aspetto::impostaSfondo(LblEsito, aspetto::bianco);
    LblEsito->setAlignment(Qt::AlignCenter);

    lblRiferimento = new Decorazione(area());
    aspetto::posiziona(lblRiferimento, 7005, 5010, 60, 90);

    fraTastierino = new Tastierino(area());
    aspetto::posiziona(fraTastierino, 5850, 5580, 4605, 3300);
    connect(fraTastierino, &Tastierino::PremiTasto, this, &FrmOperativo::PremiTasto);

    fraAiuto = new RiquadroScelta(disegnoAiuto(), area());
    aspetto::posiziona(fraAiuto, 5865, 5610, 4605, 3300);
    connect(fraAiuto, &RiquadroScelta::scelto, this, [this](int indice) { indice == si ? SiSi() : NoNo(); });

    costruisciIntervento();

    fraAvviso = new RiquadroScelta(disegnoAvviso(), area());
    aspetto::posiziona(fraAvviso, 6090, 5280, 4605, 3300);
    fraAvviso->domanda->setWordWrap(true);
    connect(fraAvviso, &RiquadroScelta::scelto, this, &FrmOperativo::sceltaAvviso);

    fraElaborazione = new PannelloStatistiche(area());
    aspetto::posiziona(fraElaborazione, 60, 6780, 5700, 1620);

    mnuVisualizza = menuBar()->addAction(QStringLiteral("Visualizza esercizio"));
    connect(mnuVisualizza, &QAction::triggered, this,
            [] { Finestre::istanza().mostra(nomi::FrmStampaEsercizio); });
}

void FrmOperativo::costruisciIntervento()
{
    fraIntervento = new QFrame(area());
    fraIntervento->setObjectName(QStringLiteral("fraIntervento"));
    aspetto::posiziona(fraIntervento, 5880, 5595, 4605, 3300);
    aspetto::impostaSfondo(fraIntervento, aspetto::fuocoSpento);

    lblIntervento = new QLabel(QStringLiteral("Intervengo io"), fraIntervento);
    aspetto::posiziona(lblIntervento, 420, 195, 4095, 510);
    aspetto::impostaFont(lblIntervento, QStringLiteral("Arial"), 18, true);
    aspetto::impostaColoreTesto(lblIntervento, testoSistema);
    aspetto::impostaSfondo(lblIntervento, aspetto::bianco);
    lblIntervento->setAlignment(Qt::AlignCenter);

    optOK = new PulsanteOpzione(QStringLiteral("OK"), 0, fraIntervento);
    aspetto::posiziona(optOK, 720, 1155, 3330, 945);
    aspetto::impostaFont(optOK, QStringLiteral("Arial"), 20.25, true);
    aspetto::impostaSfondo(optOK, aspetto::fuocoAcceso);
    connect(optOK, &PulsanteOpzione::premuto, this, &FrmOperativo::SiSi);
}

void FrmOperativo::alCaricamento()
{
    catturaLayout();
    riempiIntestazione();
    modulo2().NumeroOperazioni = 0;
    NuovaSerie();
    frmNumero->PosizionaCroci();
    frmNumero->NascondiCroci();
    PosizionaRiquadri();
}

void FrmOperativo::alloScaricamento()
{
    // A series left half-way ends when the window goes.
    registroSerie().termina(*servizi().orologio);
    registroClasse().serieTerminata(modulo2(), FineSerie::finestraChiusa);
}

void FrmOperativo::riempiIntestazione()
{
    // The objective and level lines repeat the start window's summary lines.
    const auto *inizio = qobject_cast<frmInizio *>(Finestre::istanza().trova(nomi::frmInizio));
    const QString tre = QStringLiteral("   ");
    Label1[0]->setText((inizio ? inizio->Label1->text() : QString()) + tre);
    Label1[1]->setText(QStringLiteral("   Operazione:    ") + QStringLiteral("    ") + modulo2().NomeProgramma);
    Label1[2]->setText((inizio ? inizio->Label3->text() : QString()) + tre);
}

void FrmOperativo::NuovaSerie()
{
    azzeraSerie(modulo2());
    registroSerie().inizia(modulo2(), *servizi().orologio);
    registroClasse().serieIniziata(modulo2());
    fraElaborazione->svuota();
    frmNumero->lblRisultato1->setText(rispostaVuota);
    NuovoEsercizio();
}

void FrmOperativo::NuovoEsercizio()
{
    iniziaEsercizio(modulo2());
    fraElaborazione->LblTempoTotale->setText(QStringLiteral("0"));
    NuovaOperazione();
}

void FrmOperativo::NuovaOperazione()
{
    Modulo2 &m = modulo2();
    frmNumero->svuotaCorrezione();
    frmNumero->coloraNumeri();
    frmNumero->NascondiCroci();
    LblEsito->clear();
    DisabilitaRiquadri();
    attiva(fraTastierino);
    avanzaOperazione(m);
    fraElaborazione->LblOperazione->setText(QString::number(m.NumeroOperazione));
    if (const auto riga = GeneraOperazione(m, servizi()))
        mostraRiga(*riga);
    fraTastierino->AbilitaTastierino();
    Annuncio::annuncia(this, frmNumero->frase());
}

void FrmOperativo::SubVisualizza(int tipoDomanda)
{
    Modulo2 &m = modulo2();
    frmNumero->coloraNumeri();
    mostraRiga(VisualizzaIncognita(m, *servizi().orologio, m.Operazione, tipoDomanda));
}

void FrmOperativo::mostraRiga(const RigaMostrata &riga)
{
    frmNumero->scriviSegni(segnoOperazione(modulo2().Operazione));
    frmNumero->mostra(riga);
    m_incognitaInBianco = true;
}

void FrmOperativo::scriviRisposta()
{
    frmNumero->scriviIncognita(modulo2().TipoDomanda, modulo2().Risposta);
}

void FrmOperativo::PremiTasto(int indice)
{
    Modulo2 &m = modulo2();
    switch (indice) {
    case Tastierino::cancella:
        m.Risposta = senzaUltimo(m.Risposta);
        m_incognitaInBianco = false;
        scriviRisposta();
        break;
    case Tastierino::verifica:
        VerificaRisposta();
        break;
    case Tastierino::avanti:
        NuovaOperazione();
        break;
    case Tastierino::esco:
        registroClasse().serieTerminata(m, FineSerie::esco);
        Finestre::istanza().scarica(nome());
        break;
    default:
        m.Risposta = conCifra(m.Risposta, m_incognitaInBianco, indice);
        m_incognitaInBianco = false;
        scriviRisposta();
        break;
    }
}

void FrmOperativo::VerificaRisposta()
{
    Modulo2 &m = modulo2();
    if (::VerificaRisposta(m)) {
        LblEsito->setText(QStringLiteral("Esatto"));
        Annuncio::annuncia(this, LblEsito->text());
        fraElaborazione->lblRisEsatte->setText(QString::number(m.NumeroEsatte));
        fraTastierino->BloccaTastierino();
        CalcolaTempi();
        registroClasse().rispostaGiudicata(m, true);
        ControllaFineSerie();
        return;
    }
    LblEsito->setText(QStringLiteral("Errato"));
    Annuncio::annuncia(this, LblEsito->text());
    frmNumero->MostraCroce(m.TipoDomanda);
    fraElaborazione->lblRisErrate->setText(QString::number(m.NumeroErrate));
    DisabilitaRiquadri();
    attiva(fraAiuto);
    fraAiuto->daiFuoco(si);
    Annuncio::annuncia(this, fraAiuto->domanda->text());
    CalcolaTempi();
    registroClasse().rispostaGiudicata(m, false);
}

void FrmOperativo::SiSi()
{
    Modulo2 &m = modulo2();
    fraElaborazione->LblTempoParziale->setText(testoSecondi(m.TempoParziale));
    fraElaborazione->LblTempoTotale->setText(testoSecondi(m.TempoTotale));
    registraCorrezione(m);
    registroClasse().correzioneMostrata(m);
    fraElaborazione->lblRisErrate->setText(QString::number(m.NumeroErrate));
    fraElaborazione->LblOperazione->setText(QString::number(m.NumeroOperazione));
    frmNumero->mostraCorrezione(m.TestoIncognita, m.TipoDomanda);
    Annuncio::annuncia(this, frmNumero->frase());
    LblEsito->clear();
    DisabilitaRiquadri();
    attiva(fraTastierino);
    fraTastierino->BloccaTastierino();
    ControllaFineSerie();
}

void FrmOperativo::NoNo()
{
    LblEsito->clear();
    DisabilitaRiquadri();
    const bool intervento = rifiutaAiuto(modulo2());
    registroClasse().aiutoRifiutato(modulo2(), intervento);
    if (intervento) {
        attiva(fraIntervento);
        optOK->setFocus();
        Annuncio::annuncia(this, lblIntervento->text());
        return;
    }
    frmNumero->NascondiCroci();
    attiva(fraTastierino);
    frmNumero->scriviIncognita(modulo2().TipoDomanda, rispostaVuota);
    m_incognitaInBianco = true;
    fraTastierino->AbilitaTastierino();
}

std::array<QWidget *, 4> FrmOperativo::riquadri() const
{
    return {fraAiuto, fraTastierino, fraAvviso, fraIntervento};
}

void FrmOperativo::DisabilitaRiquadri()
{
    // A panel not in use lies under the one in use: hidden as well, so that
    // neither the keyboard nor assistive technology finds it.
    for (QWidget *riquadro : riquadri()) {
        riquadro->setEnabled(false);
        riquadro->hide();
    }
}

void FrmOperativo::attiva(QWidget *riquadro)
{
    riquadro->setEnabled(true);
    riquadro->show();
    riquadro->raise();
}

void FrmOperativo::CalcolaTempi()
{
    Modulo2 &m = modulo2();
    ::CalcolaTempi(m, *servizi().orologio);
    // Every judged answer reaches the record of the series.
    registroSerie().aggiorna(m);
    fraElaborazione->LblTempoParziale->setText(testoTempoParziale(m));
    fraElaborazione->LblTempoTotale->setText(testoTempoTotale(m));
}

void FrmOperativo::ControllaFineSerie()
{
    if (!serieCompleta(modulo2()))
        return;
    registroSerie().termina(*servizi().orologio);
    registroClasse().serieTerminata(modulo2(), FineSerie::completata);
    DisabilitaRiquadri();
    attiva(fraAvviso);
    fraAvviso->daiFuoco(stampa);
    Annuncio::annuncia(this, fraAvviso->domanda->text());
}

void FrmOperativo::sceltaAvviso(int indice)
{
    if (indice == stampa) {
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        return;
    }
    DisabilitaRiquadri();
    attiva(fraTastierino);
    fraTastierino->AbilitaTastierino();
    NuovaSerie();
}

void FrmOperativo::PosizionaRiquadri()
{
    const QPoint angolo = lblRiferimento->pos();
    for (QWidget *riquadro : riquadri())
        riquadro->move(angolo);
}

void FrmOperativo::dopoRiscala()
{
    PosizionaRiquadri();
    // The X and the correction follow their labels to the new size.
    frmNumero->PosizionaCroci();
    frmNumero->allineaCorrezione(modulo2().TipoDomanda);
}

bool FrmOperativo::eventFilter(QObject *oggetto, QEvent *evento)
{
    // A click on the window's own background, not on a control, hides or shows the statistics.
    if (oggetto == area() && evento->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(evento);
        if (!area()->childAt(mouse->position().toPoint()))
            cambiaStatistiche();
    }
    return Finestra::eventFilter(oggetto, evento);
}

void FrmOperativo::cambiaStatistiche()
{
    fraElaborazione->setVisible(!fraElaborazione->isVisible());
}

QString FrmOperativo::azioneAccessibile() const
{
    return fraElaborazione->isVisible() ? QStringLiteral("Nascondi le statistiche")
                                        : QStringLiteral("Mostra le statistiche");
}
