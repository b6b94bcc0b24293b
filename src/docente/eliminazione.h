#pragma once

#include "docente/serieregistro.h"

#include <QDate>
#include <QStringList>

#include <vector>

// Which series the teacher's deletions take, and the questions that say how
// many before anything goes.

/** What "Elimina" takes for the series chosen: every series of its pupil (the same name
    with accents and case ignored), or the chosen series alone when it has no name. */
QStringList serieDellAlunno(const std::vector<SerieRegistro> &serie, const SerieRegistro &scelta);

/** Every series begun on giorno or before. */
QStringList serieFinoAl(const std::vector<SerieRegistro> &serie, const QDate &giorno);

/** The question before "Elimina", with how many go: "Eliminare le 3 serie di Nicolò? ...",
    "Eliminare l'unica serie di Anna? ..." */
QString domandaEliminaAlunno(const SerieRegistro &scelta, int quante);
/** The question before "Elimina fino al": "Eliminare tutte le 12 serie fino al 31/08/2026 compreso? ..." */
QString domandaEliminaFinoAl(const QDate &giorno, int quante);

/** The end of the last school year: the latest 31 August before oggi. */
QDate fineAnnoScolastico(const QDate &oggi);
