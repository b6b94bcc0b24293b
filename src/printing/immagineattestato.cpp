#include "immagineattestato.h"

#include "superficieimmagine.h"

#include "frame/aspetto.h"

#include <QPainter>

ImmagineAttestato::ImmagineAttestato(quint32 sfondoBgr, QWidget *parent)
    : QWidget(parent)
    , m_sfondo(sfondoBgr)
{
    aspetto::impostaSfondo(this, sfondoBgr);
}

QImage &ImmagineAttestato::nuovaImmagine()
{
    m_immagine = nuovaImmagineAttestato(size(), m_sfondo);
    update();
    return m_immagine;
}

void ImmagineAttestato::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_immagine.isNull())
        painter.drawImage(QPoint(0, 0), m_immagine);
}
