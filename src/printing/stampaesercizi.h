#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QDate;
#include "frame/stampante.h"
struct Modulo2;

// The printed report of the exercises done: one page with the pupil's name and
// the date, the lines of the exercise log in blocks of ten and the total time
// of exercises 1 to 3.

namespace resoconto {
inline const QString messaggioPocheOperazioni = QStringLiteral("Esegui almeno 10 operazioni. ");
inline const QString messaggioSenzaCourier = QStringLiteral("Devi installare il font Courier o il font Courier New");
/** The report is printed only from this many operations on. */
constexpr int minimoOperazioni = 10;
} // namespace resoconto

// What the page shows, taken from the shared state at the moment of printing.
struct Resoconto
{
    QString nomeAlunno;
    QString data;              // short date
    QStringList righe;         // log entries 1 to NumeroOperazioni, unchanged
    std::array<QString, 3> tempi{}; // TempiEsercizi entries 1 to 3
};

/** The log lines 1 to NumeroOperazioni (those inside the log), times, name and the date. */
Resoconto resocontoDaModulo2(const Modulo2 &m, const QDate &oggi);

/**
 * The header line at x 1000, y 1000 in 16 points: "Nome " with the name, or
 * with the dotted line when there is none, then the date. Stops at the first
 * call that fails and says whether the whole header went out.
 */
bool StampaIntestazione(Stampante &stampante, const QString &nome, const QString &data);

/**
 * The whole page. First looks for "Courier" or "Courier New" among the
 * printer's fonts: without either nothing at all is sent (SenzaCourier). A
 * failing header is left unfinished and the body and totals are printed all
 * the same. NonRiuscita when the page did not go out.
 */
EsitoStampa StampaEsercizi(Stampante &stampante, const Resoconto &resoconto);

/**
 * The "STAMPA" action of the report window on the shared state: with fewer
 * than 10 operations, or without a Courier font, tells the user and prints
 * nothing; otherwise prints the page on a new printer. Never changes the
 * shared state.
 */
EsitoStampa stampaResoconto();
