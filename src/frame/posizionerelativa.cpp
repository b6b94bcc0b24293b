#include "posizionerelativa.h"

namespace {
float frazione(int parte, int tutto)
{
    return tutto > 0 ? static_cast<float>(parte) / static_cast<float>(tutto) : 0.0f;
}

int prodotto(int tutto, float frazione)
{
    // Single-precision product, rounded to the nearest unit so that the design
    // size gives back the design places exactly.
    return static_cast<int>(static_cast<float>(tutto) * frazione + 0.5f);
}
} // namespace

PosizioneRelativa misuraPosizione(const QRect &controllo, const QSize &interno)
{
    PosizioneRelativa p;
    p.Width = frazione(controllo.width(), interno.width());
    p.Height = frazione(controllo.height(), interno.height());
    p.Top = frazione(controllo.top(), interno.height());
    p.Left = frazione(controllo.left(), interno.width());
    return p;
}

QRect applicaPosizione(const PosizioneRelativa &p, const QSize &interno)
{
    return QRect(prodotto(interno.width(), p.Left), prodotto(interno.height(), p.Top),
                 prodotto(interno.width(), p.Width), prodotto(interno.height(), p.Height));
}
