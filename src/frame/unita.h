#pragma once

#include <QtGlobal>

#include <cmath>

// Positions and sizes come in twips (1/1440 inch), colours in the 0x00BBGGRR
// form. Every conversion to what Qt uses happens here.
namespace unita {

constexpr double twipsPerPollice = 1440.0;
constexpr double twipsPerPunto = 20.0;

constexpr double twipsInPunti(double twips)
{
    return twips / twipsPerPunto;
}

inline int twipsInPixel(double twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / twipsPerPollice));
}

inline double pixelInTwips(double pixel, double dpi)
{
    return pixel * twipsPerPollice / dpi;
}

// 0x00BBGGRR to Qt's 0xAARRGGBB, fully opaque.
constexpr quint32 coloreDaBgr(quint32 bbggrr)
{
    const quint32 rosso = bbggrr & 0xFFu;
    const quint32 verde = (bbggrr >> 8) & 0xFFu;
    const quint32 blu = (bbggrr >> 16) & 0xFFu;
    return 0xFF000000u | (rosso << 16) | (verde << 8) | blu;
}

// Qt's 0xAARRGGBB back to 0x00BBGGRR.
constexpr quint32 coloreInBgr(quint32 aarrggbb)
{
    return coloreDaBgr(aarrggbb) & 0x00FFFFFFu;
}

} // namespace unita
