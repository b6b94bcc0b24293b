#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// The operations of a series as the teacher's view lists them: the log line
// the report window showed, every answer given and the seconds taken.

struct RispostaRegistro final
{
    QString testo;
    bool esatta = false;
    QString aiuto; // "accettato", "rifiutato" or empty
};

struct OperazioneRegistro final
{
    int indice = 0;
    QString riga;          // the log line, as the report lists it
    long long secondi = 0;
    bool intervento = false; // the program showed the correction after the third refusal
    std::vector<RispostaRegistro> risposte;
};

/** The operations of each series, by the series' id. */
using OperazioniPerSerie = std::map<QString, std::vector<OperazioneRegistro>>;

/** "N.", "Operazione", "Risposte date", "Secondi". */
QStringList intestazioniOperazioni();

/** The answers in order, e.g. "36 errata, aiuto rifiutato / 35 esatta", then
    "correzione del programma" after an intervention; "nessuna risposta" without any. */
QString testoRisposte(const OperazioneRegistro &operazione);

/** The row of one operation: its number, its log line, its answers, its seconds. */
QStringList rigaOperazione(const OperazioneRegistro &operazione);
