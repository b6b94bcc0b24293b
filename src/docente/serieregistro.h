#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// The series of the class record as the teacher's view lists them: one row
// of texts under the register's column headings, and the order of the rows
// when a column is sorted.

/** A series as the teacher reads it. */
struct SerieRegistro final
{
    QString id;
    QDateTime inizio;          // local time
    QString alunno;            // its newest name; empty when never named
    QString chiaveAlunno;      // alunno as the filters compare it (chiaveRicerca)
    QString computer;
    int operazione = 0;        // Operazione: 1 addition, 2 subtraction, 3 multiplication
    int obiettivo = 0;         // 1 to 6; 0 when none was chosen
    QString descrizioneObiettivo;
    int livello = 0;
    int operazioni = 0;        // NumeroOperazioni
    int esatte = 0;            // RisposteEsatte
    long long secondi = 0;     // TempoTotale, whole seconds
};

/** The register's columns, in their order on screen and in the exported file. */
enum class Colonna : int {
    data,
    ora,
    alunno,
    computer,
    operazione,
    obiettivo,
    livello,
    esatte,
    operazioni,
    giudizio,
    tempoTotale,
};
constexpr int numeroColonne = static_cast<int>(Colonna::tempoTotale) + 1;

/** "Data", "Ora", "Alunno", "Computer", "Operazione", "Obiettivo", "Livello", "Esatte",
    "Operazioni", "Giudizio", "Tempo totale". */
QStringList intestazioniRegistro();

/** What an unnamed series shows under "Alunno". */
inline const QString alunnoSenzaNome = QStringLiteral("(senza nome)");

/** "Addizione", "Sottrazione", "Moltiplicazione"; empty for any other number. */
QString nomeOperazione(int operazione);

/** The certificate's grade word for the series; empty under 10 operations. */
QString giudizio(const SerieRegistro &serie);

/** Whole seconds as "45 s", "2 min 05 s", "1 h 02 min 05 s". */
QString testoDurata(long long secondi);

/** The text of one cell of the series' row. */
QString testoColonna(const SerieRegistro &serie, Colonna colonna);
/** The whole row, column by column. */
QStringList rigaRegistro(const SerieRegistro &serie);

/** True when a comes before b with the column sorted from the least: dates and times by
    the moment, names by their letters with accents and case ignored, numbers by value,
    grades from the lowest up (none first); ties by the moment the series began. */
bool precede(const SerieRegistro &a, const SerieRegistro &b, Colonna colonna);
