#include "pulsanteopzione.h"

#include "aspetto.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// Breaks the caption between words so that each line fits the width.
QString aCapo(const QString &testo, const QFontMetrics &metrica, int larghezza)
{
    const QStringList parole = testo.split(QLatin1Char(' '));
    QStringList righe;
    QString riga;
    for (const QString &parola : parole) {
        const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (!riga.isEmpty() && metrica.horizontalAdvance(prova) > larghezza) {
            righe.append(riga);
            riga = parola;
        } else {
            riga = prova;
        }
    }
    righe.append(riga);
    return righe.join(QLatin1Char('\n'));
}
} // namespace

PulsanteOpzione::PulsanteOpzione(const QString &testo, int indice, QWidget *parent)
    : QPushButton(testo, parent)
    , m_caption(testo)
    , m_indice(indice)
{
    setCheckable(false);
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PulsanteOpzione::impostaCaption(const QString &caption)
{
    m_caption = caption;
    adattaTesto();
}

void PulsanteOpzione::adattaTesto()
{
    const QFontMetrics metrica(font());
    // Captions with blanks of their own (aligned numbers) stay on one line when they fit.
    const int margine = 12;
    setText(metrica.horizontalAdvance(m_caption) <= width() - margine ? m_caption
                                                                      : aCapo(m_caption, metrica, width() - margine));
}

void PulsanteOpzione::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    adattaTesto();
}

void PulsanteOpzione::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adattaTesto();
}

void PulsanteOpzione::impostaColoriFuoco(quint32 conFuoco, quint32 senzaFuoco)
{
    m_coloriFuoco = true;
    m_conFuoco = conFuoco;
    m_senzaFuoco = senzaFuoco;
    aggiornaSfondo();
}

void PulsanteOpzione::aggiornaSfondo()
{
    if (m_coloriFuoco)
        aspetto::impostaSfondo(this, hasFocus() ? m_conFuoco : m_senzaFuoco);
}

void PulsanteOpzione::mousePressEvent(QMouseEvent *event)
{
    if ((event->button() != Qt::LeftButton && !m_ogniTastoMouse) || !isEnabled()) {
        event->ignore();
        return;
    }
    // The button acts on the press and is never shown held down: the action
    // may open a message box or another window that takes the release, and a
    // button left down there would look pressed when its window came back.
    event->accept();
    premi();
}

void PulsanteOpzione::premi()
{
    if (!isEnabled())
        return;
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    // The action may unload the window this button lives on: emit last.
    emit premuto(m_indice);
}

void PulsanteOpzione::rilascia()
{
    emit rilasciato(m_indice);
}

void PulsanteOpzione::premiAccessibile()
{
    premi();
    rilascia();
}

bool PulsanteOpzione::event(QEvent *event)
{
    // A disabled button gets no mouse events of its own: the release is taken here first.
    if (event->type() == QEvent::MouseButtonRelease)
        rilascia();
    return QPushButton::event(event);
}

void PulsanteOpzione::keyPressEvent(QKeyEvent *event)
{
    const bool invio = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!invio) {
        // Space would press the button like a mouse: only Enter may act.
        if (event->key() != Qt::Key_Space)
            QPushButton::keyPressEvent(event);
        return;
    }
    if (!m_invioAgisce || event->isAutoRepeat() || m_tastoInCorso)
        return;
    m_tastoInCorso = true;
    premi();
}

void PulsanteOpzione::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        m_tastoInCorso = false;
    if (event->key() != Qt::Key_Space)
        QPushButton::keyReleaseEvent(event);
}

void PulsanteOpzione::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    aggiornaSfondo();
}

void PulsanteOpzione::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    m_tastoInCorso = false;
    aggiornaSfondo();
}

PulsanteOpzione *pulsanteComando(const QString &testo, int indice, double punti, QWidget *parent)
{
    auto *pulsante = new PulsanteOpzione(testo, indice, parent);
    aspetto::impostaFont(pulsante, QStringLiteral("Arial"), punti, true);
    aspetto::impostaColoreTesto(pulsante, aspetto::bluScuro);
    pulsante->impostaColoriFuoco(aspetto::fuocoAcceso, aspetto::fuocoSpento);
    return pulsante;
}
