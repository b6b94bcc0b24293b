// The settings file's reader on any bytes: it never crashes, never reads past
// the text, and finds either nothing, the operation alone, or both numbers;
// the line the program writes always reads back as the numbers written.

#include "start/filelivelli.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dati, std::size_t quanti)
{
    // A copy of exactly the input's size, so that reading one byte past it is caught.
    const QByteArray testo(reinterpret_cast<const char *>(dati), static_cast<qsizetype>(quanti));
    const LivelliLetti letti = interpretaLivelli(testo);
    if (letti.gruppo && !letti.operazione)
        std::abort(); // a group is read only after the operation

    // What the program itself writes is read back unchanged.
    if (quanti >= 4) {
        std::int16_t operazione = 0;
        std::int16_t gruppo = 0;
        std::memcpy(&operazione, dati, 2);
        std::memcpy(&gruppo, dati + 2, 2);
        const LivelliLetti riletti = interpretaLivelli(testoLivelli(operazione, gruppo));
        if (riletti.operazione != operazione || riletti.gruppo != gruppo)
            std::abort();
    }
    return 0;
}
