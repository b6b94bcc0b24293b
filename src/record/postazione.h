#pragma once

#include "record/datiregistro.h"

/** This computer's name, the operating-system user running the program and its process. */
Postazione questaPostazione();

/** True while a process with that number runs on this computer. */
bool processoVivo(qint64 processo);
