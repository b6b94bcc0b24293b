#pragma once

#include "nomifinestre.h"

/**
 * Unloads the windows by name, in the order FrmAttestato, frmInizio,
 * FrmOperativo, FrmStampaEsercizio, FrmStampaSchede, FrmValutazione,
 * FrmEsemplicazione. A window not loaded is
 * skipped; the program ends once none is left.
 */
void ChiudiTutto();

/** Unloads every loaded window in the order of the collection of loaded windows. */
void ChiudiFinestre();
