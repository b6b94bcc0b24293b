#pragma once

#include "docente/andamento.h"
#include "frame/stampante.h"

#include <QPoint>
#include <QString>

#include <vector>

// The printed page of a pupil's progress: a title, the chart of the share of
// right answers and of the seconds per operation day by day, with each day's
// levels under it, and the pupil's table of the days below.

struct PaginaAndamento final
{
    QString alunno;
    QString operazione; // "Addizione", ...
    QString data;       // the day of printing, short form
    std::vector<PuntoAndamento> punti;
};

namespace paginaandamento {
// The chart's box on the page, in twips.
constexpr int sinistra = 2000;
constexpr int destra = 9900;
constexpr int alto = 2400;
constexpr int basso = 6800;
// The colours of the two lines, as 0x00BBGGRR: the share of right answers, the seconds.
constexpr quint32 coloreEsatte = 0x00C00000u;
constexpr quint32 coloreSecondi = 0x000000FFu;
/** The most days the table lists: the latest ones. */
constexpr int righeTabella = 24;
} // namespace paginaandamento

/** The top of the seconds' scale: the least of 5, 10, 20, 30, 60, 120, ... that no day's
    average exceeds. */
double scalaSecondi(const std::vector<PuntoAndamento> &punti);

/** Where the chart draws a day's point for a share of right answers (0 to 100) and for an
    average of seconds, of n days with the seconds' scale scala; i counts from 0. */
QPoint puntoEsatte(int i, int n, double quota);
QPoint puntoSecondi(int i, int n, double secondi, double scala);

/** Prints the whole page; NonRiuscita when it did not go out. */
EsitoStampa StampaAndamento(Stampante &stampante, const PaginaAndamento &pagina);
