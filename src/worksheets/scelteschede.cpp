#include "scelteschede.h"

#include "start/scelte.h"

namespace {
constexpr std::array<const char *, 7> titoliPerOperazione{
    "VEVIDUVIV",
    "SOTTRAZIONI",
    "VEVIDUVIV - SOTTRAZIONI",
    "MOLTIPLICAZIONI",
    "DIVISIONI",
    "MOLTIPLICAZIONI - DIVISIONI",
    "VEVIDUVIV - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI",
};
} // namespace

QString titoloFinestraSchede(int operazione)
{
    if (operazione < 1 || operazione > static_cast<int>(titoliPerOperazione.size()))
        return titoloSchedePredefinito;
    return QString::fromLatin1(titoliPerOperazione[static_cast<std::size_t>(operazione - 1)]);
}

QString scegliObiettivoScheda(Modulo2 &stato, int indice)
{
    if (indice < 1 || indice > static_cast<int>(obiettiviScheda.size()))
        return {};
    const ObiettivoScheda &o = obiettiviScheda[static_cast<std::size_t>(indice - 1)];
    stato.TipoDa = o.tipoDa;
    stato.TipoA = o.tipoA;
    return QString::fromLatin1(o.titolo);
}

QString scegliLivelloScheda(Modulo2 &stato, int indice)
{
    if (indice < 0 || indice >= static_cast<int>(livelli.size()))
        return {};
    scegliLivello(stato, indice);
    return QStringLiteral("  - ") + QStringLiteral("Livello:  ") + QString::number(stato.Livello)
           + QStringLiteral("  ") + stato.DescrizioneLivello;
}
