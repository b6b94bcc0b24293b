#include "filtrotastierapulsanti.h"

#include "frame/pulsanteopzione.h"

#include <QKeyEvent>
#include <QMouseEvent>

FiltroTastieraPulsanti::FiltroTastieraPulsanti(TastieraPulsanti::Regole regole, QVector<PulsanteOpzione *> pulsanti,
                                               QObject *parent)
    : QObject(parent)
    , m_tastiera(std::move(regole))
    , m_pulsanti(std::move(pulsanti))
{
    for (PulsanteOpzione *pulsante : m_pulsanti) {
        pulsante->installEventFilter(this);
        connect(pulsante, &PulsanteOpzione::premuto, this, &FiltroTastieraPulsanti::esegui);
    }
}

int FiltroTastieraPulsanti::codiceTasto(const QKeyEvent &evento)
{
    const int tasto = evento.key();
    if (tasto >= Qt::Key_0 && tasto <= Qt::Key_9) {
        const int cifra = tasto - Qt::Key_0;
        return (evento.modifiers() & Qt::KeypadModifier) ? TastieraPulsanti::codiceTastierino0 + cifra
                                                         : TastieraPulsanti::codiceCifra0 + cifra;
    }
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter)
        return TastieraPulsanti::codiceInvio;
    // Letters and the blank have their character's code, as Qt gives them.
    if ((tasto >= Qt::Key_A && tasto <= Qt::Key_Z) || tasto == Qt::Key_Space)
        return tasto;
    return 0;
}

bool FiltroTastieraPulsanti::eventFilter(QObject *oggetto, QEvent *evento)
{
    const int indice = static_cast<int>(m_pulsanti.indexOf(qobject_cast<PulsanteOpzione *>(oggetto)));
    if (indice < 0)
        return false;
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto *tasto = static_cast<QKeyEvent *>(evento);
        // Tab still walks the window's controls, as it does everywhere.
        if (tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab)
            return false;
        applica(m_tastiera.tastoGiu(codiceTasto(*tasto), indice));
        if (!tasto->text().isEmpty())
            applica(m_tastiera.carattere(tasto->text().front(), indice));
        return true;
    }
    case QEvent::KeyRelease:
        // A held key repeats as releases and presses marked as repeats: still held.
        if (!static_cast<QKeyEvent *>(evento)->isAutoRepeat())
            m_tastiera.tastoSu();
        return true;
    case QEvent::MouseButtonPress: {
        // The left button is the button's own business; the others act here.
        const auto *mouse = static_cast<QMouseEvent *>(evento);
        if (mouse->button() != Qt::LeftButton && m_pulsanti.at(indice)->isEnabled()) {
            emit esegui(indice);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void FiltroTastieraPulsanti::applica(TastieraPulsanti::Azione azione)
{
    using Tipo = TastieraPulsanti::Azione::Tipo;
    if (azione.indice < 0 || azione.indice >= m_pulsanti.size())
        return;
    PulsanteOpzione *pulsante = m_pulsanti.at(azione.indice);
    if (azione.tipo == Tipo::Fuoco)
        pulsante->setFocus(Qt::OtherFocusReason);
    else if (azione.tipo == Tipo::Esegui && pulsante->isEnabled())
        emit esegui(azione.indice);
}
