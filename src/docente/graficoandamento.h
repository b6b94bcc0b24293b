#pragma once

#include "docente/datigrafico.h"

class QWidget;

// The chart of a pupil's progress lives in the module tarvelo_grafico, the
// only part of the program that links Qt Charts (and through it OpenGL): the
// program loads them when the grading window is first built, never at its
// start, and works on without the chart when the module cannot be loaded.

class GraficoAndamento
{
public:
    virtual ~GraficoAndamento() = default;
    /** The chart's widget, which owns this object: deleting the widget deletes the chart. */
    virtual QWidget *widget() = 0;
    virtual void mostra(const DatiGrafico &dati) = 0;
    /** What the chart holds, read back from its series and axes. */
    virtual DatiGrafico mostrati() const = 0;
};

/** The module's factory, exported under the name "creaGrafico". */
using FabbricaGrafico = GraficoAndamento *(QWidget *parent);

/** A new chart, child of parent; null when the module cannot be loaded (why goes to the log).
    The module is looked for where it is built and installed, ../lib/<multiarch>/tarvelo from the
    program's folder, then in Qt's library paths (among them QT_PLUGIN_PATH's folders). */
GraficoAndamento *creaGraficoAndamento(QWidget *parent);
