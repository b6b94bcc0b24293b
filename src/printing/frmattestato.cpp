#include "frmattestato.h"

#include "filtrotastierapulsanti.h"
#include "immagineattestato.h"
#include "superficieimmagine.h"
#include "valutazione.h"

#include "frame/annuncio.h"
#include "frame/aspetto.h"
#include "frame/chiusura.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "record/registroclasse.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

namespace {
constexpr QSize designTwips{11940, 8820};
constexpr quint32 rosa = 0x00FFC0FFu;

QString nomeDelProgramma()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
} // namespace

FrmAttestato::FrmAttestato(QWidget *parent)
    : Finestra(nomi::FrmAttestato, designTwips, parent)
{
    setWindowTitle(QStringLiteral("Form1"));
    aspetto::impostaSfondo(area(), rosa);
    aspetto::impostaFont(area(), attestato::fontIniziale.nome, attestato::fontIniziale.punti,
                         attestato::fontIniziale.grassetto);

    Picture1 = new ImmagineAttestato(attestato::sfondo, area());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    aspetto::posiziona(Picture1, 3975, 360, 3750, 5205);

    Label1 = new QLabel(area());
    Label1->setObjectName(QStringLiteral("Label1"));
    aspetto::posiziona(Label1, 8100, 2970, 3150, 1845);
    aspetto::impostaColoreTesto(Label1, aspetto::rosso);
    aspetto::impostaFont(Label1, QStringLiteral("MS Sans Serif"), 12, true);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    costruisciPulsanti();
}

void FrmAttestato::costruisciPulsanti()
{
    Frame4 = new QFrame(area());
    aspetto::posiziona(Frame4, 3285, 5745, 5184, 2070);
    aspetto::impostaSfondo(Frame4, rosa);
    const std::array<QString, 3> testi{QStringLiteral("STAMPA L'ATTESTATO"),
                                       QStringLiteral("TORNA ALLA FINESTRA PRECEDENTE"),
                                       QStringLiteral("FINE SESSIONE")};
    const std::array<int, 3> alti{84, 732, 1368};
    QVector<PulsanteOpzione *> riga;
    for (int i = 0; i < 3; ++i) {
        auto *pulsante = pulsanteComando(testi.at(i), i, 12, Frame4);
        pulsante->setObjectName(QStringLiteral("Option5_%1").arg(i));
        aspetto::posiziona(pulsante, 90, alti.at(i), 5004, 630);
        Option5.at(i) = pulsante;
        riga.append(pulsante);
    }
    m_tastiera = new FiltroTastieraPulsanti(regoleAttestato(), riga, this);
    connect(m_tastiera, &FiltroTastieraPulsanti::esegui, this, &FrmAttestato::EseguiScelta);
}

void FrmAttestato::alCaricamento()
{
    catturaLayout();
    auto &m = modulo2();
    const DatiAttestato dati = PreparaAttestato(m, nomeDelProgramma(), servizi().orologio->oggi());
    registroClasse().nomeMaiuscolo(m.NomeAlunno);
    const StatoStampaAttestato stato = statoStampaAttestato(m.NumeroOperazioni, m.Valutazione);
    Label1->setText(stato.avviso);
    if (!stato.avviso.isEmpty())
        Annuncio::annuncia(this, stato.avviso.simplified());
    Option5.at(0)->impostaCaption(stato.didascalia);
    Option5.at(0)->setEnabled(stato.abilitato);
    m_stampabile = stato.abilitato;

    // The lines are centred on the picture as it is once the window is shown.
    if (!isVisible())
        mostraIngrandita();
    QCoreApplication::processEvents();
    m_righe = righeAttestato(dati);
    {
        SuperficieImmagine superficie(Picture1->nuovaImmagine());
        DisegnaAttestato(superficie, m_righe);
    }
    Picture1->update();
    Picture1->setAccessibleName(m_righe.constFirst().testo);
    Picture1->setAccessibleDescription(testoAttestato(m_righe));
}

void FrmAttestato::EseguiScelta(int indice)
{
    switch (indice) {
    case 0:
        stampa();
        break;
    case 1:
        Finestre::istanza().scarica(nome());
        break;
    case 2:
        ChiudiTutto();
        break;
    default:
        break;
    }
}

void FrmAttestato::stampa()
{
    // The button is disabled when printing is not allowed; Enter cannot reach it then either.
    if (!m_stampabile || !servizi().creaStampante)
        return;
    StampaAttestato(*servizi().creaStampante(), m_righe);
}
