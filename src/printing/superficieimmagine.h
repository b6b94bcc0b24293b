#pragma once

#include "attestato.h"

#include <QFont>
#include <QImage>
#include <QPainter>

// The certificate's picture as a drawing surface: text printed on a QImage,
// in pixels, with a current position that each printed line moves down by one
// line height of the current font. The image keeps the drawing for as long as
// it lives; the surface only writes on it.
class SuperficieImmagine final : public SuperficieAttestato
{
public:
    /** Draws on immagine, which must outlive the surface. */
    explicit SuperficieImmagine(QImage &immagine);

    void impostaFont(const FontAttestato &font) override;
    void impostaColore(quint32 coloreBgr) override;
    double larghezzaInterna() const override;
    double larghezzaTesto(const QString &testo) const override;
    void posizionaX(double x) override;
    void stampa(const QString &testo) override;

private:
    QImage &m_immagine;
    QPainter m_painter;
    double m_x = 0;
    double m_y = 0;
};

/** A new picture of that size in pixels, filled with the background, at the screen's 96 dots per inch. */
QImage nuovaImmagineAttestato(QSize dimensione, quint32 sfondoBgr);
