#pragma once

#include "exercise/visualizzazione.h"

#include <QString>

#include <array>
#include <optional>

// How the row of an operation reads aloud to a pupil who cannot see it: one
// Italian sentence made of what the row shows, as a screen reader speaks it.

/** What the row shows, as its labels show it. */
struct RigaScritta final
{
    /** The text of each place (index by Posto): digits, "?" for the unknown, empty for nothing. */
    std::array<QString, numeroPosti> numeri;
    /** The sign between the numbers: "+", "-" or "x". */
    QString segno;
    /** The place crossed out by the X over a wrong answer, if any. */
    std::optional<Posto> barrato;
    /** The value written under the unknown after help (or in an example), empty when none. */
    QString correzione;
};

/** The sentence: "10 più 15 più 6 uguale punto interrogativo". "+" reads "più", "-" "meno", "x"
    "per"; a crossed-out number is followed by "barrato", a correction by ", risposta esatta" and
    its value. Empty while no number is written. */
QString fraseRiga(const RigaScritta &riga);
