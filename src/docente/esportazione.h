#pragma once

#include "docente/operazioniregistro.h"
#include "docente/serieregistro.h"

#include <QString>

#include <vector>

// The register as a CSV file for spreadsheets: the series under the
// register's headings, one line each; with their operations, one line per
// operation, the series' fields repeated before the operation's own.

/** The file's text: headings, then the lines, in the order given. With operazioni, each
    series takes one line per operation found there (a series without any, one line with
    the operation's fields empty). */
QString csvRegistro(const std::vector<SerieRegistro> &serie, const OperazioniPerSerie *operazioni = nullptr);
