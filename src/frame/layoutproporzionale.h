#pragma once

#include "posizionerelativa.h"

#include <QPointer>
#include <QWidget>

#include <vector>

// The proportional layout of one window: the ratios of every control, taken
// once at load (Posizioni) and applied at every resize. A control takes part
// when it was placed with aspetto::posiziona; lines and other decorations that
// follow their own rules are left alone.
class LayoutProporzionale final
{
public:
    /** Records every placed control under radice as fractions of the inner size. */
    void cattura(QWidget *radice, QSize interno);
    /** Moves and sizes every recorded control to its fractions of the new inner size. */
    void riscala(QSize interno) const;

    const std::vector<PosizioneRelativa> &Posizioni() const { return m_posizioni; }
    int numeroControlli() const { return static_cast<int>(m_controlli.size()); }
    /** The recorded controls, in the order of Posizioni; one deleted since is null. */
    const std::vector<QPointer<QWidget>> &controlli() const { return m_controlli; }

private:
    std::vector<PosizioneRelativa> m_posizioni;
    std::vector<QPointer<QWidget>> m_controlli;
};
