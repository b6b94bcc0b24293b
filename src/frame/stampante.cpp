#include "stampante.h"

QString primoFontCourier(const Stampante &stampante)
{
    for (int i = 0; i < stampante.numeroFont(); ++i) {
        const QString nome = stampante.nomeFont(i);
        if (nome == QLatin1String("Courier") || nome == QLatin1String("Courier New"))
            return nome;
    }
    return {};
}
