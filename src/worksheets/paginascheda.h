#pragma once

#include "frame/modulo2.h"

#include <QPoint>
#include <QString>

#include "frame/stampante.h"

// The printed worksheet: the name line and the objective at the top, the 60
// lines of ElencoOperazioni in two columns of three groups of ten, and the
// objective again as a footer. Positions are in twips from the page's top-left
// corner.

inline const QString messaggioMancaCourier = QStringLiteral("Devi installare il font Courier o il font Courier New");

/** Where line indice (1 to 60) of the sheet is printed; (0, 0) for any other indice. */
QPoint posizioneRigaStampata(int indice);
/** Font size of the sheet lines: 12 for the pupils' sheet (TipoScheda 1), 10 otherwise. */
double dimensioneRighe(Modulo2::int16 tipoScheda);

/** The name line and the objective, in "Courier". */
void StampaIntestazione(Stampante &stampante, const Modulo2 &stato);
/**
 * Prints the whole page from ElencoOperazioni entries 1 to 60 (empty entries
 * print nothing) and ends the document. Stops at the first printer failure.
 */
EsitoStampa StampaScheda(Stampante &stampante, const Modulo2 &stato);
