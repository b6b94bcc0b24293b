#pragma once

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <array>
#include <optional>
#include <vector>

// What the class record keeps: the rows of a series, its operations, every
// answer given and the names typed for it, as the record's store writes them.

/** How a series ended. */
enum class FineSerie { completata, esco, finestraChiusa, programmaChiuso, interrotta };

/** The word the record stores for an ending ("completata", "esco", "finestra chiusa",
    "programma chiuso", "interrotta"). */
QString testoFine(FineSerie fine);

/** What the pupil did with the help offered after a wrong answer. */
enum class Aiuto { nessuno, accettato, rifiutato };

/** The word the record stores for a choice of help: empty for none, "accettato", "rifiutato". */
QString testoAiuto(Aiuto aiuto);

/** The computer and the program run that write a series. */
struct Postazione final
{
    QString computer;
    QString utente;     // the operating-system user
    qint64 processo = 0; // lets a later start tell a series left by a dead program
};

struct DatiSerie final
{
    QUuid id;
    QDateTime inizio; // UTC, like every date-time of the record
    std::optional<QDateTime> fine;
    std::optional<FineSerie> esito;
    Postazione postazione; // filled in by the store
    QString programma;     // NomeProgramma
    int operazione = 0;    // Operazione
    int obiettivo = 0;     // 1 to 6; 0 when none was chosen
    QString descrizioneObiettivo;
    int livello = 0;
    QString descrizioneLivello;
    int operazioni = 0; // NumeroOperazioni
    int numeroEsatte = 0;
    int numeroErrate = 0;
    int risposteEsatte = 0;
    QString valutazione; // the certificate's grade word; empty under 10 operations
    long long secondi = 0; // TempoTotale, whole seconds
};

struct DatiRisposta final
{
    int numero = 0; // 1 for the first answer to the operation
    QString testo;  // Risposta as typed
    bool esatta = false;
    Aiuto aiuto = Aiuto::nessuno;
    long long secondi = 0; // TempoParziale when it was judged
    QDateTime quando;
};

struct DatiOperazione final
{
    int indice = 0;                // its line of ElencoOperazioni
    QString riga;                  // the log line as ElencoOperazioni holds it
    std::array<int, 4> valori{};   // first, second, third number and result, as shown
    int tipoDomanda = 0;           // the place of the unknown (TipoDomanda)
    int incognita = 0;             // the right value
    bool intervento = false;       // the program stepped in after the third refusal
    long long secondi = 0;         // TempoParziale of its last judgement
    std::vector<DatiRisposta> risposte;
};

struct DatiNome final
{
    QUuid id;
    QUuid serie;
    QString nome;
    QDateTime scritto; // the newest name of a series is the one it goes by
};

/** One write of the record, made whole or not at all: a series with some of its
    operations (an ended series is also queued for sending), or a name. */
struct Scrittura final
{
    std::optional<DatiSerie> serie;
    std::vector<DatiOperazione> operazioni;
    std::optional<DatiNome> nome;
};
