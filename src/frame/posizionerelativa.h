#pragma once

#include <QRect>
#include <QSize>

// A control's place as fractions of its window's inner size, taken once when
// the window loads and applied at every resize, so every control keeps its
// proportions on any screen.
struct PosizioneRelativa final
{
    float Width = 0;
    float Height = 0;
    float Top = 0;
    float Left = 0;
};

/** The fractions of a control's place; an empty inner size leaves the fields at 0. */
PosizioneRelativa misuraPosizione(const QRect &controllo, const QSize &interno);

/** The control's place in a window of the given inner size. */
QRect applicaPosizione(const PosizioneRelativa &posizione, const QSize &interno);
