#pragma once

#include "attestato.h"

#include <QRect>

class Stampante;

// The certificate's picture as a box on the printed page: the box is filled
// with the picture's background and the lines are printed in it by the
// printer itself, at its own resolution. Units are twips: the picture's inner
// width is the box's width.
class SuperficieStampante final : public SuperficieAttestato
{
public:
    /** Fills the box (twips) on the page with sfondoBgr and starts at its top-left corner. */
    SuperficieStampante(Stampante &stampante, const QRect &riquadro, quint32 sfondoBgr);

    void impostaFont(const FontAttestato &font) override;
    void impostaColore(quint32 coloreBgr) override;
    double larghezzaInterna() const override;
    double larghezzaTesto(const QString &testo) const override;
    void posizionaX(double x) override;
    void stampa(const QString &testo) override;

private:
    Stampante &m_stampante;
    QRect m_riquadro;
};
