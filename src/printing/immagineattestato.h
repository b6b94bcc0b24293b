#pragma once

#include "frame/accessibile.h"

#include <QImage>
#include <QWidget>

// The certificate's picture box: it shows a persistent image at its top-left
// corner on its background colour, so the drawing survives being covered,
// resized or restored. Assistive technology sees a picture, named and
// described by its window.
class ImmagineAttestato final : public QWidget, public Accessibile
{
    Q_OBJECT

public:
    explicit ImmagineAttestato(quint32 sfondoBgr, QWidget *parent = nullptr);

    /** Starts a new persistent image at the box's present size, blank, and returns it. */
    QImage &nuovaImmagine();
    const QImage &immagine() const { return m_immagine; }

    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Graphic; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint32 m_sfondo = 0;
    QImage m_immagine;
};
