#pragma once

#include "frame/modulo2.h"

#include <QString>

// The lines of a worksheet. Every kind of line of every operation is one row
// of a table of pieces: literal texts and the numbers of the line (T1, T2, T3,
// the result R and the comparison number C), each number written with its
// padding so that it takes two characters. The teacher's line is always made
// from the pupil's line by the same rule (rigaDocente).

/** The four operations of a worksheet line. */
enum class Conto { Add, Sot, Mol, Div };

/** The blanks between a pupil line and its answer on the teacher's sheet. */
inline const QString separatoreScheda = QStringLiteral("       ");

/** How many kinds of line (Caso 1 to n) the operation has: 4 or 12. */
int numeroCasi(Conto conto);
/** True when caso is a kind of line of the operation. */
bool casoValido(Conto conto, int caso);
/** True when the blank of the line is the sign between two sides. */
bool rigaDelSegno(Conto conto, int caso);

/** " " for a number below 10, "" otherwise. */
QString spaziScheda(int numero);
/** Sets Spazi1, Spazi2, Spazi3, SpaziIncognita and SpaziConfronto from T1, T2, T3, R and C. */
void CalcolaSpaziScheda(Modulo2 &stato);

/**
 * For a sign line with a comparison number, sets Confronto from the line's
 * numbers and Differenza (never below 0); any other line leaves it alone.
 */
void CalcolaConfronto(Modulo2 &stato, Conto conto, int caso);
/** The sign that answers a sign line ("=", "<" or ">"); empty for other lines. */
QString segnoRiga(Conto conto, int caso);

/** The pupil line of the kind caso from the current numbers and paddings; empty for an invalid caso. */
QString rigaAlunno(const Modulo2 &stato, Conto conto, int caso);
/** What fills the blank of that line: the number's digits, or the sign. */
QString rispostaRiga(const Modulo2 &stato, Conto conto, int caso);
/** The teacher line: the pupil line, the separator, then the answer in brackets, ")" always in one column. */
QString rigaDocente(const QString &rigaAlunno, const QString &separatore, const QString &risposta);
