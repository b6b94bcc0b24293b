#pragma once

class QObject;

// The record in the program's life: opened once the start window is on the
// screen, so that it never delays it; given a short time to write at the end.

/** Starts the class record in the user's data folder right after finestra's first paint. */
void avviaRegistroDopoIlPrimoDisegno(QObject *finestra);

/** At the program's end: what the record still keeps is written, waiting at most a
    couple of seconds. */
void chiudiRegistro();
