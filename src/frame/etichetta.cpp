#include "etichetta.h"

#include <QMouseEvent>

void Etichetta::clicca()
{
    emit cliccata();
}

void Etichetta::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        clicca();
}
