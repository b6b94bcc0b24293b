#pragma once

#include "record/datiregistro.h"

#include "frame/modulo2.h"

#include <optional>

// The series under way as the record follows it on the user-interface thread:
// each thing the exercise window hands it becomes one write of the store. A
// series reaches the store with its first judged answer; a series never
// answered leaves nothing behind.
class SerieInCorso final
{
public:
    /** A new series with the choices of stato begins at adesso. */
    void inizia(const Modulo2 &stato, const QDateTime &adesso);

    /** The answer just judged (Risposta and TempoParziale of stato): the series' figures
        with its current operation. Empty while no series is under way. */
    std::optional<Scrittura> giudicata(const Modulo2 &stato, const QDateTime &adesso, bool esatta);

    /** Help refused after the last wrong answer; intervento when the program steps in. */
    std::optional<Scrittura> aiutoRifiutato(const Modulo2 &stato, bool intervento);

    /** The correction shown under the unknown: the help was accepted, unless the program
        had stepped in. */
    std::optional<Scrittura> correzione(const Modulo2 &stato);

    /** The series ends at adesso. Empty for a series already ended or never answered. An
        operation shown but never judged joins it with no answers, as the report lists it. */
    std::optional<Scrittura> termina(const Modulo2 &stato, const QDateTime &adesso, FineSerie come);

    /** The series whose work the shared state holds; null before the first. */
    QUuid id() const { return m_serie.id; }

private:
    Scrittura istantanea(const Modulo2 &stato);

    DatiSerie m_serie;
    // The last operation judged; none until the series reaches the store.
    std::optional<DatiOperazione> m_operazione;
    bool m_inCorso = false;
};
