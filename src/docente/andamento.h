#pragma once

#include "docente/serieregistro.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <vector>

// A pupil's progress with one operation, day by day: the share of right
// answers and the average seconds per operation over the day's series, with
// the levels worked at.

struct PuntoAndamento final
{
    QDate giorno;
    int serie = 0;
    int operazioni = 0;
    int esatte = 0;
    long long secondi = 0;
    QList<int> livelli; // the day's levels, lowest first

    /** Right answers out of the operations, in percent. */
    double quotaEsatte() const;
    double secondiPerOperazione() const;
};

/** The days, oldest first, on which the pupil (its chiaveRicerca) did series of the
    operation; series without a judged operation count for nothing. */
std::vector<PuntoAndamento> andamento(const std::vector<SerieRegistro> &serie, const QString &chiaveAlunno,
                                      int operazione);

/** The named pupils of the series, one per chiaveRicerca under its newest spelling, in
    alphabetical order. */
QStringList alunniRegistro(const std::vector<SerieRegistro> &serie);

/** "liv. 2" or, for a day at more levels, "liv. 1, 3". */
QString testoLivelli(const QList<int> &livelli);

/** "Data", "Livello", "Serie", "Operazioni", "Esatte", "Secondi per operazione". */
QStringList intestazioniAndamento();
/** One day as the pupil's table shows it: "05/12/2026", "liv. 2", "2", "40", "85%", "6,3". */
QStringList rigaAndamento(const PuntoAndamento &punto);
