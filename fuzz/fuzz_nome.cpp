// The pupil's name as typed (any text) through the
// capitalisation used by the certificate and stored for the report: it never
// crashes, an empty name stays empty, and only the first character can change
// to upper case: the rest is the lower-case form of what was typed.

#include "printing/maiuscolainiziale.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    // A name box holds valid text: bytes that are not UTF-8 arrive as U+FFFD.
    const QString nome = QString::fromUtf8(reinterpret_cast<const char *>(dati), static_cast<qsizetype>(quanti));
    const QString scritto = MaiuscolaIniziale(nome);
    if (nome.isEmpty() != scritto.isEmpty())
        std::abort();
    if (nome.isEmpty())
        return 0;
    const qsizetype primo = nome.front().isHighSurrogate() && nome.size() > 1 ? 2 : 1;
    if (!scritto.endsWith(nome.mid(primo).toLower()))
        std::abort();
    return 0;
}
