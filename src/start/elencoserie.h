#pragma once

#include "start/registroserie.h"

#include <QStringList>

#include <vector>

// The list of the series as the grading window shows it and exports it: one
// row of texts per series, under Italian column headings.

/** The column headings. */
QStringList intestazioniSerie();

/** The row of one series: date, end time ("in corso" while under way),
    objective, level, operations, right answers, seconds, the grade it earns and
    a note when it is too short for a certificate. */
QStringList rigaSerie(const SerieRegistrata &serie);

/** The time of day of seconds since midnight, "hh:mm:ss". */
QString oraDelGiorno(double secondi);

/** The list as CSV text: the headings, then one line per series; fields
    separated by semicolons, quoted when they hold a semicolon, a quote or a
    line break; lines ended by CR LF. */
QString testoCsv(const std::vector<SerieRegistrata> &serie);

/** The CSV text as the file holds it: UTF-8 with a byte order mark, so that
    spreadsheets read the accented letters right. */
QByteArray contenutoFileCsv(const std::vector<SerieRegistrata> &serie);
