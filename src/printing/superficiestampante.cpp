#include "superficiestampante.h"

#include "frame/stampante.h"

#include <cmath>

SuperficieStampante::SuperficieStampante(Stampante &stampante, const QRect &riquadro, quint32 sfondoBgr)
    : m_stampante(stampante)
    , m_riquadro(riquadro)
{
    m_stampante.disegnaRiquadro(riquadro, sfondoBgr);
    m_stampante.posiziona(riquadro.left(), riquadro.top());
}

void SuperficieStampante::impostaFont(const FontAttestato &font)
{
    m_stampante.impostaFont(font.nome);
    m_stampante.impostaDimensione(font.punti);
    m_stampante.impostaGrassetto(font.grassetto);
}

void SuperficieStampante::impostaColore(quint32 coloreBgr)
{
    m_stampante.impostaColore(coloreBgr);
}

double SuperficieStampante::larghezzaInterna() const
{
    return m_riquadro.width();
}

double SuperficieStampante::larghezzaTesto(const QString &testo) const
{
    return m_stampante.larghezzaTesto(testo);
}

void SuperficieStampante::posizionaX(double x)
{
    m_stampante.posizionaX(m_riquadro.left() + static_cast<int>(std::lround(x)));
}

void SuperficieStampante::stampa(const QString &testo)
{
    // The printer goes back to the page's left edge; the picture's is the box's.
    m_stampante.stampa(testo, true);
    m_stampante.posizionaX(m_riquadro.left());
}
