#include "etichetta.h"

#include <QMouseEvent>

Etichetta::Etichetta(const QString &testo, QWidget *parent)
    : QLabel(parent)
{
    setText(testo);
}

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
