#include "letturariga.h"

#include <QStringList>

#include <algorithm>

namespace {

QString parolaSegno(const QString &segno)
{
    if (segno == QLatin1String("+"))
        return QStringLiteral("più");
    if (segno == QLatin1String("-"))
        return QStringLiteral("meno");
    if (segno == QLatin1String("x"))
        return QStringLiteral("per");
    return segno;
}

QString parolaNumero(const QString &numero)
{
    const QString testo = numero.trimmed();
    return testo == QLatin1String("?") ? QStringLiteral("punto interrogativo") : testo;
}

} // namespace

QString fraseRiga(const RigaScritta &riga)
{
    if (std::all_of(riga.numeri.begin(), riga.numeri.end(), [](const QString &n) { return n.trimmed().isEmpty(); }))
        return {};
    QStringList parole;
    const auto aggiungi = [&parole](const QString &parola) {
        if (!parola.isEmpty())
            parole.append(parola);
    };
    for (int i = 0; i < numeroPosti; ++i) {
        const auto posto = static_cast<Posto>(i);
        if (posto == Posto::risultato)
            aggiungi(QStringLiteral("uguale"));
        else if (posto != Posto::primo)
            aggiungi(parolaSegno(riga.segno.trimmed()));
        aggiungi(parolaNumero(riga.numeri[static_cast<std::size_t>(i)]));
        if (riga.barrato == posto)
            aggiungi(QStringLiteral("barrato"));
    }
    QString frase = parole.join(QLatin1Char(' '));
    const QString correzione = riga.correzione.trimmed();
    if (!correzione.isEmpty())
        frase += QStringLiteral(", risposta esatta ") + correzione;
    return frase;
}
