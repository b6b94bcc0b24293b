#pragma once

#include "docente/andamento.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

// What the chart of a pupil's progress shows, worked out from the days: the
// chart itself only draws it.

/** One line of the chart: its name (legend and axis title), colour as 0x00BBGGRR, the top of
    its axis (which starts at 0) and a point a day, x being the day's index. */
struct LineaGrafico final
{
    QString nome;
    quint32 coloreBgr = 0;
    double massimo = 0;
    QList<QPointF> punti;
};

/** The labels under the days ("05/12/2026\nliv. 2") and the two lines, the share of right
    answers on the left axis, the seconds per operation on the right. */
struct DatiGrafico final
{
    QStringList giorni;
    LineaGrafico esatte;
    LineaGrafico secondi;
};

DatiGrafico datiGrafico(const std::vector<PuntoAndamento> &punti);
