#pragma once

#include "docente/serieregistro.h"

#include <QDate>
#include <QString>

// Which series of the register the teacher wants to see.

/** text as the filters compare it: accents dropped, case folded ("Nicolò" and "NICOLO"
    both give "nicolo"). */
QString chiaveRicerca(const QString &testo);

struct FiltroRegistro final
{
    /** Part of the pupil's name through chiaveRicerca; empty: any pupil, named or not. */
    QString chiaveAlunno;
    QDate dal;        // the first day shown; null: from the first series
    QDate al;         // the last day shown; null: to the last series
    QString computer; // exactly this computer; empty: any
    int operazione = 0; // exactly this Operazione; 0: any
};

/** True when the series passes every filter; the pupil's text is looked for anywhere in
    the name with accents and case ignored, so an unnamed series never matches a text. */
bool corrisponde(const SerieRegistro &serie, const FiltroRegistro &filtro);
