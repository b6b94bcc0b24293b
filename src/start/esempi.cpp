#include "esempi.h"

#include "exercise/generatore.h"
#include "frame/servizi.h"
#include "start/scelte.h"

#include <optional>

namespace {

std::optional<Esempio> disegnaEsempio(Modulo2 copia, Servizi &servizi, int tipoDomanda)
{
    // The exercise window's own draw, then its own display with the unknown
    // moved to the place wanted.
    if (!GeneraOperazione(copia, servizi))
        return std::nullopt;
    const RigaMostrata riga = SubVisualizza(copia, copia.Operazione, tipoDomanda);
    return Esempio{copia.Operazione, riga, copia.Incognita};
}

QString nomeOperazione(int operazione)
{
    switch (operazione) {
    case operazioni::addizione:
        return QStringLiteral("ADDIZIONE");
    case operazioni::sottrazione:
        return QStringLiteral("SOTTRAZIONE");
    case operazioni::moltiplicazione:
        return QStringLiteral("MOLTIPLICAZIONE");
    default:
        // Not trained here: its number, so that the line is never blank.
        return QString::number(operazione);
    }
}

} // namespace

int livelloEsempi(int livello)
{
    const bool scelto = livello >= 1 && livello <= static_cast<int>(livelli.size());
    return scelto ? livello : 1;
}

std::vector<Esempio> disegnaEsempi(const Modulo2 &stato, Servizi &servizi)
{
    Modulo2 copia = stato;
    copia.Livello = static_cast<Modulo2::int16>(livelloEsempi(stato.Livello));
    std::vector<Esempio> esempi;
    for (const int tipoDomanda : tipiDomandaEsempi) {
        const auto esempio = disegnaEsempio(copia, servizi, tipoDomanda);
        if (!esempio)
            return {};
        esempi.push_back(*esempio);
    }
    return esempi;
}

QString intestazioneOperazione(int operazione)
{
    return QStringLiteral("   Operazione:    ") + nomeOperazione(operazione);
}

QString intestazioneLivello(int livello)
{
    const LivelloScelto &scelto = livelli[static_cast<std::size_t>(livelloEsempi(livello) - 1)];
    return QString::fromUtf8(scelto.testoLivello) + descrizioneLivello(scelto.minimo, scelto.massimo);
}
