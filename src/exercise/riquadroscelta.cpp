#include "riquadroscelta.h"

#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

constexpr double puntiDomanda = 18;
constexpr double puntiScelte = 20.25;

Qt::Key primaLettera(const QString &testo)
{
    return testo.isEmpty() ? Qt::Key_unknown : static_cast<Qt::Key>(testo.at(0).toUpper().unicode());
}

void posiziona(QWidget *controllo, const QRect &posto)
{
    aspetto::posiziona(controllo, posto.x(), posto.y(), posto.width(), posto.height());
}

} // namespace

RiquadroScelta::RiquadroScelta(const Disegno &disegno, QWidget *parent)
    : QFrame(parent)
    , m_tastoPrimo(primaLettera(disegno.scelte[0]))
    , m_tastoSecondo(primaLettera(disegno.scelte[1]))
{
    setObjectName(disegno.nome);
    aspetto::impostaSfondo(this, aspetto::fuocoSpento);
    domanda = new QLabel(disegno.domanda, this);
    posiziona(domanda, disegno.postoDomanda);
    aspetto::impostaFont(domanda, QStringLiteral("Arial"), puntiDomanda, true);
    domanda->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto *scelta = new PulsanteOpzione(disegno.scelte[k], i, this);
        posiziona(scelta, disegno.postiScelte[k]);
        aspetto::impostaFont(scelta, QStringLiteral("Arial"), puntiScelte, true);
        scelta->impostaColoriFuoco(aspetto::fuocoAcceso, aspetto::fuocoSpento);
        // Enter goes through the panel's own keyboard scheme.
        scelta->impostaInvioAgisce(false);
        scelta->installEventFilter(this);
        connect(scelta, &PulsanteOpzione::premuto, this, &RiquadroScelta::scelto);
        scelte[k] = scelta;
    }
}

void RiquadroScelta::daiFuoco(int indice)
{
    scelte[static_cast<std::size_t>(indice)]->setFocus();
}

bool RiquadroScelta::eventFilter(QObject *oggetto, QEvent *evento)
{
    const auto *scelta = qobject_cast<PulsanteOpzione *>(oggetto);
    if (!scelta)
        return QFrame::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::KeyPress)
        return tastoGiu(static_cast<QKeyEvent *>(evento)->key(), scelta->indice());
    if (evento->type() == QEvent::KeyRelease) {
        if (!static_cast<QKeyEvent *>(evento)->isAutoRepeat())
            tastoSu();
        return true;
    }
    // A key released in another window (the report opened by "Stampa") never
    // reaches the pair: leaving the pair ends the press.
    if (evento->type() == QEvent::FocusOut && !isAncestorOf(QApplication::focusWidget()))
        tastoSu();
    return QFrame::eventFilter(oggetto, evento);
}

bool RiquadroScelta::tastoGiu(int tasto, int indice)
{
    // The space bar is a key press of its own, with its own flag.
    if (tasto == Qt::Key_Space) {
        if (!m_pressioneUsata) {
            m_pressioneUsata = true;
            daiFuoco((indice + 1) % 2);
        }
        return true;
    }
    const bool primo = tasto == m_tastoPrimo || tasto == Qt::Key_1;
    const bool secondo = tasto == m_tastoSecondo || tasto == Qt::Key_2;
    const bool invio = tasto == Qt::Key_Return || tasto == Qt::Key_Enter;
    if (m_giuUsato || !(primo || secondo || invio))
        return true;
    m_giuUsato = true;
    if (invio)
        emit scelto(indice);
    else
        daiFuoco(primo ? 0 : 1);
    return true;
}

void RiquadroScelta::tastoSu()
{
    m_giuUsato = false;
    m_pressioneUsata = false;
    for (PulsanteOpzione *scelta : scelte)
        scelta->setDown(false);
}
