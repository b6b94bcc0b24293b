#include "frmstampaschede.h"

#include "paginascheda.h"
#include "scelteschede.h"

#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr QSize designTwips{11910, 8340};
constexpr int righeScheda = 60;
} // namespace

FrmStampaSchede::FrmStampaSchede(QWidget *parent)
    : Finestra(nomi::FrmStampaSchede, designTwips, parent)
    , m_generatore(modulo2(), servizi())
{
    setWindowTitle(titoloSchedePredefinito);
    costruisciScheda();
    costruisciObiettivi();
    costruisciLivelli();
    costruisciPulsanti();
}

void FrmStampaSchede::alCaricamento()
{
    catturaLayout();
    Modulo2 &s = modulo2();
    setWindowTitle(titoloFinestraSchede(s.Operazione));
    Label1->setText(s.DescrizioneObiettivo);
    s.NumeroRighe = righeScheda;
    s.TipoScheda = 0;
    // Drawn from the start window's choices, not shown yet.
    generaScheda(righeScheda);
}

bool FrmStampaSchede::eventFilter(QObject *oggetto, QEvent *evento)
{
    // A print button appears once its "VISUALIZZA" button has had the focus.
    if (evento->type() == QEvent::FocusIn) {
        if (oggetto == CmdSchedaAlunni)
            CmdStampaAlunni->show();
        else if (oggetto == CmdSchedaDocenti)
            CmdStampaDocenti->show();
    }
    return Finestra::eventFilter(oggetto, evento);
}

void FrmStampaSchede::premutoObiettivo(int indice)
{
    Modulo2 &s = modulo2();
    s.SchedaAlunni.svuota(1, righeScheda);
    s.SchedaDocenti.svuota(1, righeScheda);
    svuotaEtichette();
    m_titoloObiettivo = scegliObiettivoScheda(s, indice);
    Label1->setText(m_titoloObiettivo);
    fraLivelli->setEnabled(true);
    Option1[static_cast<std::size_t>(indice)]->setFocus(Qt::MouseFocusReason);
}

void FrmStampaSchede::premutoLivello(int indice)
{
    Modulo2 &s = modulo2();
    m_titoloLivello = scegliLivelloScheda(s, indice);
    fraAlunni->setEnabled(true);
    Label1->setText(m_titoloObiettivo + m_titoloLivello);
    generaScheda(s.NumeroRighe);
}

void FrmStampaSchede::visualizzaSchedaAlunni()
{
    svuotaEtichette();
    fraDocenti->setEnabled(true);
    CmdSchedaDocenti->setFocus(Qt::OtherFocusReason);
    generaScheda(righeScheda);
    mostraRighe(modulo2().SchedaAlunni);
}

void FrmStampaSchede::visualizzaSchedaDocenti()
{
    svuotaEtichette();
    mostraRighe(modulo2().SchedaDocenti);
}

void FrmStampaSchede::stampa(Modulo2::int16 tipoScheda)
{
    modulo2().TipoScheda = tipoScheda;
    StampaScheda();
}

void FrmStampaSchede::cancellaScheda()
{
    CmdStampaAlunni->hide();
    CmdStampaDocenti->hide();
    svuotaEtichette();
}

void FrmStampaSchede::GeneraRiga()
{
    m_generatore.GeneraRiga();
}

void FrmStampaSchede::generaScheda(int righe)
{
    Modulo2 &s = modulo2();
    for (int indice = 1; indice <= righe; ++indice) {
        s.Indice = static_cast<Modulo2::int16>(indice);
        GeneraRiga();
    }
}

void FrmStampaSchede::svuotaEtichette()
{
    for (int indice = 1; indice <= righeScheda; ++indice)
        LblOp[static_cast<std::size_t>(indice)]->clear();
}

void FrmStampaSchede::mostraRighe(const ElencoTesti<90> &righe)
{
    Modulo2 &s = modulo2();
    for (int indice = 1; indice <= righeScheda; ++indice) {
        s.Indice = static_cast<Modulo2::int16>(indice);
        LblOp[static_cast<std::size_t>(indice)]->setText(righe.valore(indice));
        s.ElencoOperazioni.imposta(indice, righe.valore(indice));
    }
}

void FrmStampaSchede::StampaScheda()
{
    auto stampante = servizi().creaStampante();
    if (::StampaScheda(*stampante, modulo2()) == EsitoStampa::SenzaCourier)
        servizi().messaggio(messaggioMancaCourier);
    // A printer that fails has told the user already; the window stays as it was.
}
