#include "frmstampaesercizio.h"

#include "filtrotastierapulsanti.h"
#include "pannellonome.h"
#include "stampaesercizi.h"

#include "frame/aspetto.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "record/registroclasse.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace {
constexpr QSize designTwips{11940, 8595};
constexpr quint32 azzurrino = 0x00FFFFC0u;
constexpr int altezzaEtichetta = 600;
} // namespace

FrmStampaEsercizio::FrmStampaEsercizio(QWidget *parent)
    : Finestra(nomi::FrmStampaEsercizio, designTwips, parent)
{
    setWindowTitle(QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
    aspetto::impostaSfondo(area(), azzurrino);
    aspetto::impostaFont(area(), QStringLiteral("Courier"), 9.75, false);
    costruisciElenco();
    costruisciPulsanti();
    costruisciPannelloNome();
}

void FrmStampaEsercizio::costruisciElenco()
{
    Label5 = new QLabel(QStringLiteral("E S E R C I Z I   E S E G U I T I "), area());
    aspetto::posiziona(Label5, 45, 30, 11850, 400);
    aspetto::impostaFont(Label5, QStringLiteral("Arial"), 15.75, true);
    Label5->setAlignment(Qt::AlignCenter);

    // Three columns: lines 1-10, 11-20 and a narrow third one for 21-30.
    for (int i = 1; i <= 30; ++i) {
        auto *etichetta = new QLabel(area());
        etichetta->setObjectName(QStringLiteral("LblOp%1").arg(i));
        if (i <= 10)
            aspetto::posiziona(etichetta, 45, 450 + 615 * (i - 1), 5145, altezzaEtichetta);
        else if (i <= 20)
            aspetto::posiziona(etichetta, 5505, 450 + 615 * (i - 11), 5145, altezzaEtichetta);
        else
            aspetto::posiziona(etichetta, 10350, 450 + 660 * (i - 21), 1440, altezzaEtichetta);
        LblOp.at(i - 1) = etichetta;
    }
}

void FrmStampaEsercizio::costruisciPulsanti()
{
    Frame1 = new QFrame(area());
    aspetto::posiziona(Frame1, 72, 7305, 11688, 825);
    const std::array<QString, 4> testi{QStringLiteral("E S C I"), QStringLiteral("SCRIVI IL NOME"),
                                       QStringLiteral("STAMPA"), QStringLiteral("ATTESTATO")};
    const std::array<int, 4> sinistre{144, 3048, 5928, 8832};
    QVector<PulsanteOpzione *> riga;
    for (int i = 0; i < 4; ++i) {
        auto *pulsante = new PulsanteOpzione(testi.at(i), i, Frame1);
        pulsante->setObjectName(QStringLiteral("Option1_%1").arg(i));
        aspetto::posiziona(pulsante, sinistre.at(i), 45, 2796, 720);
        aspetto::impostaFont(pulsante, QStringLiteral("Courier"), 9.75, true);
        pulsante->impostaColoriFuoco(aspetto::fuocoAcceso, aspetto::fuocoSpento);
        Option1.at(i) = pulsante;
        riga.append(pulsante);
    }
    m_tastiera = new FiltroTastieraPulsanti(regoleStampaEsercizio(), riga, this);
    connect(m_tastiera, &FiltroTastieraPulsanti::esegui, this, &FrmStampaEsercizio::EseguiScelta);
}

void FrmStampaEsercizio::costruisciPannelloNome()
{
    fraNome = new PannelloNome(area());
    aspetto::posiziona(fraNome, (designTwips.width() - PannelloNome::larghezzaTwips) / 2,
                       (designTwips.height() - PannelloNome::altezzaTwips) / 2, PannelloNome::larghezzaTwips,
                       PannelloNome::altezzaTwips);
    fraNome->hide();
    connect(fraNome, &PannelloNome::avanti, this, &FrmStampaEsercizio::confermaNome);
}

void FrmStampaEsercizio::alCaricamento()
{
    catturaLayout();
    m_serieElencata = registroClasse().serieAttuale();
    const auto &m = modulo2();
    // Entries past the last label are not shown; all of them are printed.
    const int mostrate = std::min<int>(m.NumeroOperazioni, static_cast<int>(LblOp.size()));
    for (int i = 1; i <= mostrate; ++i)
        LblOp.at(i - 1)->setText(m.ElencoOperazioni.valore(i));
    for (PulsanteOpzione *pulsante : Option1)
        pulsante->setEnabled(true);
    Option1.at(0)->setFocus(Qt::OtherFocusReason);
}

void FrmStampaEsercizio::EseguiScelta(int indice)
{
    switch (indice) {
    case 0:
        modulo2().TempiEsercizi.svuota(1, 3);
        Finestre::istanza().scarica(nome());
        break;
    case 1:
        mostraPannelloNome();
        break;
    case 2:
        stampaResoconto();
        break;
    case 3:
        Finestre::istanza().mostra(nomi::FrmAttestato);
        break;
    default:
        break;
    }
}

void FrmStampaEsercizio::mostraPannelloNome()
{
    // Centred on the screen, in the window's inner coordinates; kept inside
    // the window so that it can always be reached.
    const QSize schermo = screen() ? screen()->size() : area()->size();
    const int sinistra = std::clamp((schermo.width() - fraNome->width()) / 2, 0,
                                    std::max(0, area()->width() - fraNome->width()));
    const int alto = std::clamp((schermo.height() - fraNome->height()) / 2, 0,
                                std::max(0, area()->height() - fraNome->height()));
    fraNome->move(sinistra, alto);
    fraNome->show();
    fraNome->raise();
    fraNome->txtNome->setFocus(Qt::OtherFocusReason);
}

void FrmStampaEsercizio::confermaNome()
{
    fraNome->hide();
    Option1.at(2)->setFocus(Qt::OtherFocusReason);
    modulo2().NomeAlunno = fraNome->nome();
    registroClasse().nomeScritto(m_serieElencata, modulo2().NomeAlunno);
}
