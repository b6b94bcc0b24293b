#include "maiuscolainiziale.h"

QString MaiuscolaIniziale(const QString &nome)
{
    if (nome.isEmpty())
        return nome;
    // The first character may be a surrogate pair: keep both halves together.
    const qsizetype primo = nome.front().isHighSurrogate() && nome.size() > 1 ? 2 : 1;
    return nome.left(primo).toUpper() + nome.mid(primo).toLower();
}
