#pragma once

#include "frame/modulo2.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class Orologio;

// The series done since the program started, kept in memory for the grading
// window. The exercise window reports each series: its start, every judged
// answer and its end.

struct SerieRegistrata final
{
    QDate data;            // the day the series began
    QString obiettivo;     // DescrizioneObiettivo when it began
    int livello = 0;       // Livello when it began
    int operazioni = 0;    // operations judged
    int esatte = 0;        // RisposteEsatte
    long long secondi = 0; // TempoTotale, whole seconds
    /** Seconds since midnight when the series ended; empty while it is under way. */
    std::optional<double> fine;
};

class RegistroSerie final
{
public:
    /** A new series begins with the choices in stato; the one under way, if any, ends now. */
    void inizia(const Modulo2 &stato, const Orologio &orologio);
    /** The series under way takes the counts and the time of stato; nothing without one. */
    void aggiorna(const Modulo2 &stato);
    /** The series under way ends now; nothing without one. A series left without a
        single judged answer is dropped. */
    void termina(const Orologio &orologio);

    /** The series, oldest first. */
    const std::vector<SerieRegistrata> &serie() const { return m_serie; }
    bool inCorso() const { return !m_serie.empty() && !m_serie.back().fine; }
    void svuota() { m_serie.clear(); }

private:
    std::vector<SerieRegistrata> m_serie;
};

/** The one record of the program. */
RegistroSerie &registroSerie();
