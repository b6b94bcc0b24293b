#include "annuncio.h"

#include <QAccessibleEvent>

namespace {
Annuncio::Osservatore &osservatore()
{
    static Annuncio::Osservatore unico;
    return unico;
}
} // namespace

Annuncio::Annuncio(QWidget *finestra)
    : QWidget(finestra)
{
    setObjectName(QStringLiteral("annuncio"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Shown only for the instant of an announcement, never with its window.
    hide();
}

void Annuncio::annuncia(QWidget *fonte, const QString &testo)
{
    if (osservatore())
        osservatore()(testo);
    QWidget *finestra = fonte->window();
    Annuncio *annuncio = di(finestra);
    if (!annuncio)
        annuncio = new Annuncio(finestra);
    if (annuncio->m_inAttesa.isEmpty())
        QMetaObject::invokeMethod(annuncio, &Annuncio::pubblica, Qt::QueuedConnection);
    annuncio->m_inAttesa.append(testo);
}

void Annuncio::impostaOsservatore(Osservatore nuovo)
{
    osservatore() = std::move(nuovo);
}

Annuncio *Annuncio::di(const QWidget *finestra)
{
    return finestra->findChild<Annuncio *>(QString(), Qt::FindDirectChildrenOnly);
}

void Annuncio::pubblica()
{
    m_testo = m_inAttesa.join(QStringLiteral(". "));
    m_inAttesa.clear();
    QAccessibleEvent nome(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nome);
    // A notification that becomes "showing" is what a screen reader speaks at
    // once; it goes again at once, so that it is never read twice, or later
    // among the window's controls.
    show();
    hide();
}
