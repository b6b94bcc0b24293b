#pragma once

#include "frame/modulo2.h"

#include <QString>

// The pupil's answer: typing it on the keypad, judging it, and what help and
// its refusal leave in the shared state.

constexpr int cifreRisposta = 4;
constexpr int rifiutiPrimaDellIntervento = 3;
/** What the unknown's place shows while no digit is typed. */
inline const QString rispostaVuota = QStringLiteral("?");

/** The answer after a digit. daCapo (the unknown's place shows "?" again after a refusal of
    help) or an answer deleted to "?" starts a new answer; it never grows past four characters. */
QString conCifra(const QString &risposta, bool daCapo, int cifra);

/** The answer after "Cancella": its last character removed, "?" when nothing is left. */
QString senzaUltimo(const QString &risposta);

/** Risposta equals TestoIncognita as text, blanks around both ignored ("09" is not 9). An answer
    with nothing typed ("" or "?") is never right, whatever TestoIncognita holds. */
bool rispostaEsatta(const Modulo2 &stato);

/** Judges Risposta: counts it right or wrong, sets SegnoEsito (two blanks, or "* ") and
    appends the answer and its mark to the current log line. True when right. */
bool VerificaRisposta(Modulo2 &stato);

/** Help given: appends the correct value's text and "° " to the current log line. */
void registraCorrezione(Modulo2 &stato);

/** Help refused: counts the refusal; the third one resets the count and returns true
    (the program intervenes). */
bool rifiutaAiuto(Modulo2 &stato);
